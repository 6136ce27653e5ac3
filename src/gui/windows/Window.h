#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/math/Vector2.h"
#include "gui/SignalQueue.h"

class TiXmlElement;

namespace nimbus {

class Gui;
class ScreenspaceRenderer;
struct Camera;
struct InputEvent;

// The attributes every window element carries.
struct WindowAttributes {
    Vector2 position;
    Vector2 size;
    bool visible = false;
    std::string name;
};

// A rectangle of the GUI: its centre relative to the parent's, its full width and height,
// a name (not necessarily unique), whether it is shown and whether it takes key and
// button input, and the child windows it owns. Concrete classes say what they draw and,
// when they do anything then, what they do each frame and how they answer input; the Gui
// walks the tree and calls them.
class Window {
public:
    Window(const Vector2& position, const Vector2& size, bool visible, std::string name);
    explicit Window(const WindowAttributes& attributes);
    // Deletes the children in order.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual void hide();
    virtual void show();
    virtual void enableInput();
    virtual void disableInput();
    // Fills the element with the window's class, attributes and children; returns it.
    virtual TiXmlElement& toXml(TiXmlElement& element) const = 0;
    // Whether the children are clipped to this window's rectangle.
    virtual bool clipsChildren() const = 0;
    // Runs every frame, shown or not; the pointer is in the parent's coordinates. Nothing
    // by default.
    virtual void update(float, SignalQueue&, Gui&, const Vector2&) {}
    // The layout editor's typing into the window's own text; nothing by default.
    virtual void editText(const InputEvent& event);
    // A key event, offered only while the window is shown and takes input; true consumes.
    // None is taken by default.
    virtual bool onKey(const InputEvent&, SignalQueue&, Gui&) { return false; }
    // Whether Tab and the arrow keys can move the keyboard focus onto the window.
    virtual bool focusable() const { return false; }
    // A button event with the pointer in the parent's coordinates; true consumes. None is
    // taken by default.
    virtual bool onMouseButton(const Vector2&, bool, int32_t, SignalQueue&) { return false; }
    // Draws the window (not its children); its centre is parentAbsolute + position().
    virtual void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
                      const Vector2& parentAbsolute, Gui& gui) = 0;

    const Vector2& position() const { return position_; }
    void setPosition(const Vector2& position) { position_ = position; }
    const Vector2& size() const { return size_; }
    void setSize(const Vector2& size) { size_ = size; }
    bool visible() const { return visible_; }
    bool inputEnabled() const { return inputEnabled_; }
    const std::string& name() const { return name_; }
    int32_t childCount() const { return static_cast<int32_t>(children_.size()); }
    Window* child(int32_t index) const { return children_[static_cast<size_t>(index)]; }
    Window* parent() const { return parent_; }

    // Takes ownership of the child (null is ignored) and becomes its parent.
    void addChild(Window* child);
    // The centre in screen GUI coordinates.
    Vector2 absolutePosition() const;
    void setAbsolutePosition(const Vector2& absolute);
    // Whether a point in the parent's coordinates lies in the rectangle, borders included.
    bool contains(const Vector2& point) const;

    // Reads "x", "y", "w", "h", "show" and "name"; false, reported, for a null element or
    // a missing or non-numeric position or size.
    static bool parseWindowAttributes(const TiXmlElement* element, WindowAttributes& attributes);

protected:
    // Writes the class and the common attributes, then appends every child's element.
    void writeXml(TiXmlElement& element, const char* className) const;

private:
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    Vector2 position_;
    Vector2 size_;
    bool visible_ = false;
    bool inputEnabled_ = true;
    std::string name_;
};

}  // namespace nimbus
