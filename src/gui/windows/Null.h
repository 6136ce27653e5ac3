#pragma once

#include "gui/windows/Window.h"

namespace nimbus {

// An invisible frame that groups and clips its children: a menu page, for instance,
// shown, hidden and slid as one.
class Null : public Window {
public:
    explicit Null(const WindowAttributes& attributes) : Window(attributes) {}
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void draw(const Camera&, ScreenspaceRenderer&, float, const Vector2&, Gui&) override {}
};

}  // namespace nimbus
