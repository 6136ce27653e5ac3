#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/ResourceHandle.h"
#include "core/math/Vector2.h"
#include "gui/InputEvent.h"
#include "gui/KeyBindings.h"
#include "gui/KeyboardFocus.h"
#include "gui/NoCase.h"
#include "gui/PropertyRegistry.h"
#include "gui/SignalQueue.h"
#include "render/font/BitmapFont.h"

class TiXmlDocument;
class TiXmlElement;

namespace nimbus {

class Action;
class ScreenspaceRenderer;
class Window;
struct Camera;

// The menus and screens of the game, loaded from one XML document: the fonts it lists,
// the windows (top level in document order, each owning its children), the property
// registry, and the transitions that bind a signal to a list of actions.
//
// GUI coordinates put the origin at the screen centre, x from -aspect (left) to +aspect,
// y from -1 (bottom) to +1; a window's position is its centre relative to its parent's.
//
// Each frame the state hands the input to update, which updates every window, runs at
// most one step of the running actions, and otherwise dispatches the input and fires the
// transitions of the queued signals; draw then draws what is shown. The Gui owns its
// windows and every action of its transitions. A bad font, window, transition or action
// in the document is reported and left out; only an unreadable document fails to load.
class Gui {
public:
    using Transitions = std::map<std::string, std::vector<Action*>, NoCaseLess>;

    Gui(int32_t width, int32_t height);
    virtual ~Gui();
    Gui(const Gui&) = delete;
    Gui& operator=(const Gui&) = delete;

    // Draws every shown window, children over parents, with the glow of the keyboard
    // focus behind the focused window, then flushes the renderer. The camera is handed to
    // the windows untouched.
    virtual void draw(const Camera& camera, ScreenspaceRenderer& renderer);
    // Reads the document through loadXmlFile; false when it cannot be read, is not
    // well-formed XML or whole UTF-8, or nests absurdly deep.
    virtual bool load(const char* fileName);
    // One frame; false at once when an event is the Quit action's key (Escape), pressed or
    // released. While a window captures keys, every key event goes to it and to nothing
    // else, and the frame's keys after it let go go nowhere. Consumed events get the type
    // None.
    virtual bool update(float dt, InputEvent* events, int count);
    // Offers a button event at the stored pointer to the shown, input-taking windows,
    // children before parents; true when one consumed it.
    virtual bool onMouseButton(int x, int y, bool pressed, int button);
    // Stores the pointer in GUI coordinates.
    virtual void onMouseMove(int x, int y);
    // Offers a key event to the focused window, then lets it step the keyboard focus,
    // then offers it like a button event; true when one of them took it.
    virtual bool onKey(const InputEvent& event);

    // The value, or "not registered"; names ignore letter case.
    const std::string& getProperty(const std::string& name) const { return properties_.get(name); }
    const std::string& getProperty(const char* name) const { return properties_.get(name); }
    // Creates or overwrites; an existing entry keeps its spelling.
    void setProperty(const std::string& name, const std::string& value) { properties_.set(name, value); }
    // Queues a signal; its transition fires in the next update that is not busy.
    void pushSignal(const std::string& signal) { signals_.push_back(signal); }
    // The first window of that name ignoring letter case, searching each tree depth
    // first, a window before its children; null when there is none.
    Window* findWindow(const char* name) const;
    // The font registered as "Fonts/" + name, or an empty handle.
    ResourceHandle<BitmapFont> getFont(const std::string& name) const;
    // The whole GUI as a new document (owned by the caller): fonts, windows, and the
    // transitions sorted by condition ignoring letter case.
    TiXmlDocument* toXml() const;
    // Pixel coordinates (0, 0 top left) to GUI coordinates, snapped to multiples of the
    // grid when it is positive.
    Vector2 screenToGui(int px, int py, float grid) const;

    // The window with the keyboard focus; null when there is none.
    Window* focus() const { return focus_.current(windows_); }
    // Puts the keyboard focus on a window of this GUI, lit whenever it can hold it.
    void setFocus(Window* window) { focus_.focusOn(window); }
    // Whether Tab and the arrows step the keyboard focus; while off, nothing has it.
    void setFocusKeys(bool on) { focus_.setEnabled(on); }

    // The keys of the actions: the settings fill them in, the Keys screen changes them.
    KeyBindings& keys() { return keys_; }
    const KeyBindings& keys() const { return keys_; }
    // The window that takes every key while the player chooses one for an action; null
    // when none. A button press ends the capture, and so does the window no longer being
    // shown or taking input.
    Window* keyCapture() const { return capture_; }
    void setKeyCapture(Window* window) { capture_ = window; }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    float aspect() const { return aspect_; }
    const Vector2& mouse() const { return mouse_; }
    int32_t windowCount() const { return static_cast<int32_t>(windows_.size()); }
    Window* window(int32_t index) const { return windows_[static_cast<size_t>(index)]; }
    const Transitions& transitions() const { return transitions_; }
    const SignalQueue& signals() const { return signals_; }
    // Whether transition actions are running (input is then ignored).
    bool busy() const { return !running_.empty(); }

protected:
    void setMouse(const Vector2& mouse) { mouse_ = mouse; }

private:
    void loadFonts(const TiXmlElement& section);
    void loadWindows(const TiXmlElement& section);
    void loadTransitions(const TiXmlElement& section);
    // Runs a step of the top action; false when the frame ends there.
    bool runActions(float dt);
    void fireSignals();

    int32_t width_;
    int32_t height_;
    float aspect_;
    Vector2 mouse_;
    std::vector<ResourceHandle<BitmapFont>> fonts_;
    std::vector<Window*> windows_;
    SignalQueue signals_;
    std::deque<Action*> running_;
    PropertyRegistry properties_;
    Transitions transitions_;
    KeyboardFocus focus_;
    KeyBindings keys_;
    Window* capture_ = nullptr;
};

}  // namespace nimbus
