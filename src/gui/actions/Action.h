#pragma once

class TiXmlElement;

namespace nimbus {

class Gui;

// One step of a transition: the GUI runs a fired transition's actions one after another,
// calling execute once a frame until it answers kFinished. The same object runs again
// each time its transition fires.
class Action {
public:
    static constexpr int kRunning = 1;
    static constexpr int kFinished = 2;

    virtual ~Action() = default;
    // Fills the element with the action's class and attributes; returns it.
    virtual TiXmlElement& toXml(TiXmlElement& element) const = 0;
    // Advances by dt seconds; kRunning or kFinished.
    virtual int execute(float dt, Gui& gui) = 0;
};

}  // namespace nimbus
