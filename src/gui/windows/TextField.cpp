#include "gui/windows/TextField.h"

#include <SDL/SDL_keysym.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/InputEvent.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {

// The caret shows for half of each second.
constexpr float kBlinkSeconds = 1.0f;
// The text's height and its room from the field's left side, as shares of the height.
constexpr float kTextHeight = 0.5f;
constexpr float kInset = 0.3f;
constexpr float kPromptDimming = 0.45f;

}  // namespace

TextField::TextField(const WindowAttributes& attributes, std::string property, std::string prompt,
                     size_t length, ResourceHandle<BitmapFont> font, const Color& color)
    : Window(attributes),
      property_(std::move(property)),
      prompt_(std::move(prompt)),
      length_(length),
      font_(font),
      color_(color) {
    withCaret_.reserve(kMaxWindowText + 1);
}

Window* TextField::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    if (!property) return nullptr;
    const char* prompt = element->Attribute(kAttributePrompt);
    int length = static_cast<int>(kDefaultLength);
    element->QueryIntAttribute(kAttributeLength, &length);
    Color color(1.0f, 1.0f, 1.0f, 1.0f);
    readColorAttribute(*element, kAttributeColor, color);
    return new TextField(attributes, property, prompt ? prompt : "", static_cast<size_t>(std::max(length, 1)),
                         gui.getFont(kDefaultFontName), color);
}

TiXmlElement& TextField::toXml(TiXmlElement& element) const {
    writeXml(element, kClassTextField);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributePrompt, prompt_.c_str());
    element.SetAttribute(kAttributeLength, static_cast<int>(length_));
    writeColorAttribute(element, kAttributeColor, color_);
    return element;
}

void TextField::update(float dt, SignalQueue&, Gui& gui, const Vector2&) {
    const std::string& held = gui.getProperty(property_);
    if (held != text_) text_ = held == kNotRegistered ? std::string() : held;
    typing_ = gui.getProperty(kPropertyTyping) == property_;
    if (press_ != 0) setTyping(press_ > 0 && visible(), gui);
    press_ = 0;
    if (!visible() && typing_) setTyping(false, gui);
    blink_ = std::fmod(blink_ + dt, kBlinkSeconds);
}

bool TextField::onKey(const InputEvent& event, SignalQueue&, Gui& gui) {
    if (!typing_ || !event.pressed) return false;
    if (event.key == SDLK_RETURN || event.key == SDLK_KP_ENTER || event.key == SDLK_TAB) {
        setTyping(false, gui);
        return true;
    }
    std::string text = text_;
    typeInto(text, event);
    if (text.size() <= length_) text_ = text;
    gui.setProperty(property_, text_);
    return true;
}

bool TextField::onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue&) {
    if (!pressed || button != InputEvent::kLeftButton) return false;
    press_ = contains(pointer) ? 1 : -1;
    return press_ > 0;
}

void TextField::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                     Gui&) {
    const Vector2 centre = parentAbsolute + position();
    const bool caret = typing_ && blink_ < kBlinkSeconds / 2;
    const Color dim(color_.r() * kPromptDimming, color_.g() * kPromptDimming, color_.b() * kPromptDimming,
                    color_.a());
    TextStyle style;
    style.height = size().y * kTextHeight;
    style.horizontal = TextAlignment::kLeft;
    style.color = text_.empty() ? &dim : &color_;
    style.fitWidth = size().x - 2 * kInset * size().y;
    const Vector2 anchor(centre.x - size().x / 2 + kInset * size().y, centre.y - style.height * 0.35f);
    // The caret is the text's last character while it shows, so the end stays in view.
    const bool prompting = text_.empty() && !typing_;
    if (!caret) {
        // The prompt is the document's, in the player's language; what is typed is kept.
        style.translate = prompting;
        drawWindowText(font_.get(), prompting ? prompt_ : text_, style, anchor, renderer);
        return;
    }
    const size_t keep = std::min(text_.size(), static_cast<size_t>(kMaxWindowText - 1));
    withCaret_.assign(text_, text_.size() - keep, keep);
    withCaret_.push_back('_');
    drawWindowText(font_.get(), withCaret_, style, anchor, renderer);
}

void TextField::setTyping(bool typing, Gui& gui) {
    if (typing == typing_) return;
    typing_ = typing;
    blink_ = 0.0f;
    gui.setProperty(kPropertyTyping, typing ? property_ : std::string());
}

}  // namespace nimbus
