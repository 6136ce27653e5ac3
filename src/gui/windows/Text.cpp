#include "gui/windows/Text.h"

#include <tinyxml.h>

#include "core/MessageCatalogue.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Button.h"
#include "gui/windows/WindowText.h"
#include "render/font/DrawText.h"

namespace nimbus {

Text::Text(const WindowAttributes& attributes, std::string message, ResourceHandle<BitmapFont> font,
           const Color& color, const Color& glow)
    : Window(attributes),
      message_(std::move(message)),
      shown_(shownWith_.fill(translated(message_.c_str()))),
      font_(font),
      color_(color),
      glow_(glow) {}

Window* Text::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* message = requiredAttribute(element, kAttributeMessage);
    if (!message) return nullptr;
    Color color = Button::kDefaultColor, glow = Button::kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    return new Text(attributes, message, gui.getFont(kDefaultFontName), color, glow);
}

TiXmlElement& Text::toXml(TiXmlElement& element) const {
    writeXml(element, kClassText);
    element.SetAttribute(kAttributeMessage, message_.c_str());
    writeColorAttribute(element, kAttributeColor, color_);
    writeColorAttribute(element, kAttributeGlow, glow_);
    return element;
}

void Text::editText(const InputEvent& event) {
    typeInto(message_, event);
    shownFrom_ = nullptr;
}

void Text::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                Gui& gui) {
    // The message in the player's language, with the keys as bound: made again only when
    // the language or a key changes.
    const char* translation = translated(message_.c_str());
    if (gui.keys() != shownWith_ || translation != shownFrom_) {
        shownWith_ = gui.keys();
        shownFrom_ = translation;
        shown_ = shownWith_.fill(translation);
    }
    TextStyle style;
    style.height = size().y;
    style.horizontal = TextAlignment::kCentre;
    style.color = &color_;
    style.glow = &glow_;
    style.glowAdds = true;
    style.fitWidth = size().x;
    drawWindowText(font_.get(), shown_, style, parentAbsolute + position(), renderer);
}

}  // namespace nimbus
