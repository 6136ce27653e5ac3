#include "gui/windows/Window.h"

#include <tinyxml.h>

#include <cmath>

#include "core/Log.h"
#include "gui/AttributeFormat.h"
#include "gui/GuiNames.h"
#include "gui/NoCase.h"

namespace nimbus {

namespace {

bool readPair(const TiXmlElement& element, const char* first, const char* second, Vector2& value) {
    double a = 0.0, b = 0.0;
    if (element.QueryDoubleAttribute(first, &a) != TIXML_SUCCESS) return false;
    if (element.QueryDoubleAttribute(second, &b) != TIXML_SUCCESS) return false;
    value = Vector2(static_cast<float>(a), static_cast<float>(b));
    return true;
}

}  // namespace

Window::Window(const Vector2& position, const Vector2& size, bool visible, std::string name)
    : position_(position), size_(size), visible_(visible), name_(std::move(name)) {}

Window::Window(const WindowAttributes& attributes)
    : Window(attributes.position, attributes.size, attributes.visible, attributes.name) {}

Window::~Window() {
    for (Window* child : children_) delete child;
}

void Window::hide() { visible_ = false; }
void Window::show() { visible_ = true; }
void Window::enableInput() { inputEnabled_ = true; }
void Window::disableInput() { inputEnabled_ = false; }
void Window::editText(const InputEvent&) {}

void Window::addChild(Window* child) {
    if (!child) return;
    children_.push_back(child);
    child->parent_ = this;
}

Vector2 Window::absolutePosition() const {
    return parent_ ? parent_->absolutePosition() + position_ : position_;
}

void Window::setAbsolutePosition(const Vector2& absolute) {
    position_ = parent_ ? absolute - parent_->absolutePosition() : absolute;
}

bool Window::contains(const Vector2& point) const {
    return std::fabs(point.x - position_.x) <= size_.x / 2 && std::fabs(point.y - position_.y) <= size_.y / 2;
}

bool Window::parseWindowAttributes(const TiXmlElement* element, WindowAttributes& attributes) {
    if (!element) {
        LOG_ERROR("Null element");
        return false;
    }
    if (!readPair(*element, kAttributeX, kAttributeY, attributes.position)) {
        LOG_ERROR("Missing position attribute");
        return false;
    }
    if (!readPair(*element, kAttributeWidth, kAttributeHeight, attributes.size)) {
        LOG_ERROR("Missing size attribute");
        return false;
    }
    const char* show = element->Attribute(kAttributeShow);
    attributes.visible = show && equalsNoCase(show, kShowTrue);
    const char* name = element->Attribute(kAttributeName);
    attributes.name = name ? name : kAnonymous;
    return true;
}

void Window::writeXml(TiXmlElement& element, const char* className) const {
    element.SetValue(kElementWindow);
    element.SetAttribute(kAttributeClass, className);
    element.SetAttribute(kAttributeName, name_.c_str());
    writeFloatAttribute(element, kAttributeX, position_.x);
    writeFloatAttribute(element, kAttributeY, position_.y);
    writeFloatAttribute(element, kAttributeWidth, size_.x);
    writeFloatAttribute(element, kAttributeHeight, size_.y);
    element.SetAttribute(kAttributeShow, visible_ ? kShowTrue : kShowFalse);
    for (const Window* child : children_) {
        auto* childElement = new TiXmlElement(kElementWindow);
        child->toXml(*childElement);
        element.LinkEndChild(childElement);
    }
}

}  // namespace nimbus
