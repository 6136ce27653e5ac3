#include "gui/windows/PropertyLines.h"

#include <tinyxml.h>

#include <algorithm>
#include <sstream>

#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

constexpr float kSlant = 0.5f;
constexpr float kDefaultLineHeight = 0.05f;
constexpr int32_t kDefaultLines = 3;
// The glyphs' height as a share of the line's.
constexpr float kGlyphShare = 0.8f;
constexpr const char* kMore = "...";

}  // namespace

PropertyLines::PropertyLines(const WindowAttributes& attributes, std::string property, int32_t lines,
                             float lineHeight, ResourceHandle<BitmapFont> font, const Color& color)
    : Window(attributes),
      property_(std::move(property)),
      lines_(std::clamp(lines, 1, kMostLines)),
      lineHeight_(lineHeight),
      font_(font),
      color_(color) {}

Window* PropertyLines::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    const char* property = requiredAttribute(element, kAttributeProperty);
    if (!property) return nullptr;
    int lines = kDefaultLines;
    element->QueryIntAttribute(kAttributeLines, &lines);
    double lineHeight = kDefaultLineHeight;
    element->QueryDoubleAttribute(kAttributeLine, &lineHeight);
    Color color(1.0f, 1.0f, 1.0f, 1.0f);
    readColorAttribute(*element, kAttributeColor, color);
    return new PropertyLines(attributes, property, lines, static_cast<float>(lineHeight),
                             gui.getFont(kDefaultFontName), color);
}

TiXmlElement& PropertyLines::toXml(TiXmlElement& element) const {
    writeXml(element, kClassPropertyLines);
    element.SetAttribute(kAttributeProperty, property_.c_str());
    element.SetAttribute(kAttributeLines, lines_);
    writeFloatAttribute(element, kAttributeLine, lineHeight_);
    writeColorAttribute(element, kAttributeColor, color_);
    return element;
}

void PropertyLines::update(float, SignalQueue&, Gui& gui, const Vector2&) {
    const std::string& text = gui.getProperty(property_);
    if (text == shown_) return;
    shown_ = text;
    layOut();
}

bool PropertyLines::fits(const std::string& text) {
    if (!font_ || text.size() > static_cast<size_t>(kMostCharacters)) return false;
    Line& scratch = laid_[kMostLines - 1];
    scratch.count =
        layoutText(*font_, scratch.quads, kMostCharacters, text.c_str(), lineHeight_ * kGlyphShare, kSlant);
    return textExtent(scratch.count, scratch.quads) <= size().x;
}

void PropertyLines::layOut() {
    lineCount_ = 0;
    std::istringstream words(shown_);
    std::string word, line;
    bool more = false;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (fits(longer)) {
            line = longer;
            continue;
        }
        // A word wider than the window is cut where the line ends.
        if (line.empty()) line = word;
        if (lineCount_ + 1 == lines_ || line == word) {
            more = true;
            break;
        }
        texts_[lineCount_++] = line;
        line = word;
    }
    if (!line.empty() || more) {
        // The last line, cut short with a sign that there is more.
        while (more && !line.empty() && !fits(line + kMore)) line.pop_back();
        texts_[lineCount_++] = more ? line + kMore : line;
    }
    for (int32_t i = 0; i < lineCount_ && font_; ++i) {
        laid_[i].count = layoutText(*font_, laid_[i].quads, kMostCharacters, texts_[i].c_str(),
                                    lineHeight_ * kGlyphShare, kSlant);
    }
}

void PropertyLines::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                         Gui&) {
    if (!font_) return;
    const Vector2 centre = parentAbsolute + position();
    TextAlignment alignment;
    alignment.horizontal = TextAlignment::kLeft;
    alignment.vertical = TextAlignment::kBaseline;
    for (int32_t i = 0; i < lineCount_; ++i) {
        const Vector2 anchor(centre.x - size().x / 2,
                             centre.y + size().y / 2 - lineHeight_ * (static_cast<float>(i) + kGlyphShare));
        drawText(laid_[i].count, alignment, anchor, laid_[i].quads, font_->texture(), renderer, false,
                 &color_);
    }
}

}  // namespace nimbus
