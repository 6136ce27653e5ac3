#include "gui/windows/EditBox.h"

#include <tinyxml.h>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/KeyboardFocus.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {
constexpr const char* kDefaultInitial = "not set";
}  // namespace

EditBox::EditBox(const WindowAttributes& attributes, std::string property, std::string text,
                 ResourceHandle<BitmapFont> font)
    : Window(attributes), property_(std::move(property)), text_(std::move(text)), font_(font) {}

Window* EditBox::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    if (!property) return nullptr;
    const char* initial = element->Attribute(kAttributeInitial);
    const std::string text = initial ? initial : kDefaultInitial;
    gui.setProperty(property, text);
    return new EditBox(attributes, property, text, gui.getFont(kDefaultFontName));
}

TiXmlElement& EditBox::toXml(TiXmlElement& element) const {
    writeXml(element, kClassEditBox);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributeInitial, text_.c_str());
    element.SetAttribute(kAttributeFont, kDefaultFontName);
    return element;
}

void EditBox::update(float, SignalQueue&, Gui& gui, const Vector2&) { text_ = gui.getProperty(property_); }

bool EditBox::onKey(const InputEvent& event, SignalQueue&, Gui& gui) {
    if (!event.pressed || KeyboardFocus::stepOf(event) != 0) return false;
    text_ = gui.getProperty(property_);
    typeInto(text_, event);
    gui.setProperty(property_, text_);
    return true;
}

void EditBox::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute, Gui&) {
    TextStyle style;
    style.height = size().y * 0.5f;
    style.horizontal = TextAlignment::kCentre;
    // A name longer than the box shows its end, where the typing happens, clear of the
    // box's rounded ends.
    style.fitWidth = size().x - size().y;
    style.fit = TextStyle::Fit::KeepEnd;
    drawWindowText(font_.get(), text_, style, parentAbsolute + position(), renderer);
}

}  // namespace nimbus
