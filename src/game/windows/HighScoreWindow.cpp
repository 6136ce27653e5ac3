#include "game/windows/HighScoreWindow.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/math/Color.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/KeyboardFocus.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

constexpr float kTextSize = 0.07f;
constexpr float kSlant = 0.5f;
constexpr int kMaxCharacters = 64;
// The first row's anchor above the centre, the step between rows, and how far the rank
// and name sit left of the centre and the score right of it.
constexpr float kFirstRow = 0.1f;
constexpr float kRowStep = 0.105f;
constexpr float kTextRaise = 0.2f;
constexpr float kColumn = 0.75f;
// The least room between a name and its score.
constexpr float kColumnGap = 0.08f;

// The text colour and the glow colour of a row.
struct RowColors {
    Color text;
    Color glow;
};

// Lays the text out and draws it twice at the anchor: sharp, then as its glow.
void drawRowText(const BitmapFont& font, const char* text, const Vector2& anchor, int32_t horizontal,
                 const RowColors& colors, ScreenspaceRenderer& renderer) {
    ScreenQuad quads[kMaxCharacters];
    const int32_t count = layoutText(font, quads, kMaxCharacters, text, kTextSize, kSlant);
    TextAlignment alignment;
    alignment.horizontal = horizontal;
    alignment.vertical = TextAlignment::kBaseline;
    drawText(count, alignment, anchor, quads, font.texture(), renderer, false, &colors.text);
    if (font.glowTexture())
        drawText(count, alignment, anchor, quads, font.glowTexture(), renderer, true, &colors.glow);
}

// How wide a row's text is once laid out.
float textWidth(const BitmapFont& font, const char* text) {
    ScreenQuad quads[kMaxCharacters];
    return textExtent(layoutText(font, quads, kMaxCharacters, text, kTextSize, kSlant), quads);
}

// The rank and name as a row shows them. A name too wide for the room left of its score
// loses its tail to an ellipsis, so that it never runs into the score; the stored name
// stays whole.
std::string rowLabel(const BitmapFont& font, int rank, const std::string& name, const std::string& score) {
    const float room = 2.0f * kColumn - kColumnGap - textWidth(font, score.c_str());
    char text[kMaxCharacters];
    std::snprintf(text, sizeof text, "%d: %s", rank, name.c_str());
    if (textWidth(font, text) <= room) return text;
    for (int keep = static_cast<int>(std::min<size_t>(name.size(), kMaxCharacters)); keep > 0; --keep) {
        std::snprintf(text, sizeof text, "%d: %.*s...", rank, keep - 1, name.c_str());
        if (textWidth(font, text) <= room) break;
    }
    return text;
}

}  // namespace

HighScoreWindow::HighScoreWindow(const WindowAttributes& attributes, Gui& gui)
    : Window(attributes), font_(gui.getFont(kDefaultFontName)), gui_(&gui) {}

Window* HighScoreWindow::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!element || !parseWindowAttributes(element, attributes)) return nullptr;
    return new HighScoreWindow(attributes, gui);
}

void HighScoreWindow::show() {
    Window::show();
    rowCount_ = 0;
    for (int rank = 0; rank < kRows; ++rank) {
        const std::string& name = gui_->getProperty(kPropertyHighScoreName + std::to_string(rank));
        if (name == kNotRegistered) continue;
        rows_[rowCount_].name = name;
        rows_[rowCount_].score = gui_->getProperty(kPropertyHighScoreScore + std::to_string(rank));
        if (font_) rows_[rowCount_].label = rowLabel(*font_, rowCount_ + 1, name, rows_[rowCount_].score);
        ++rowCount_;
    }
    const std::string& newest = gui_->getProperty(kPropertyNewestEntry);
    if (newest != kNotRegistered) newest_ = std::atoi(newest.c_str());
}

TiXmlElement& HighScoreWindow::toXml(TiXmlElement& element) const {
    writeXml(element, kClassHighScore);
    return element;
}

void HighScoreWindow::update(float dt, SignalQueue&, Gui&, const Vector2&) { timer_ += dt; }

bool HighScoreWindow::onMouseButton(const Vector2&, bool pressed, int32_t, SignalQueue& signals) {
    if (!pressed) return false;
    signals.push_back(kSignalMainMenu);
    return true;
}

bool HighScoreWindow::onKey(const InputEvent& event, SignalQueue& signals, Gui&) {
    if (!KeyboardFocus::isPress(event)) return false;
    signals.push_back(kSignalMainMenu);
    return true;
}

void HighScoreWindow::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                           Gui&) {
    if (!visible() || !font_) return;
    const float pulse = std::fabs(std::sin(10.0f * timer_));
    const RowColors normal{Color(0.9f, 1.0f, 0.9f, 1.0f), Color(0.0f, 0.75f, 0.0f, 1.0f)};
    const RowColors highlight{Color(0.9f, 0.9f, 0.9f * pulse, 1.0f),
                              Color(0.75f, 0.75f, 0.75f * pulse, 1.0f)};
    const Vector2 centre = parentAbsolute + position();
    float y = centre.y + kFirstRow;
    for (int row = 0; row < rowCount_; ++row, y -= kRowStep) {
        const RowColors& colors = row == newest_ ? highlight : normal;
        drawRowText(*font_, rows_[row].label.c_str(), Vector2(centre.x - kColumn, y + kTextRaise),
                    TextAlignment::kLeft, colors, renderer);
        drawRowText(*font_, rows_[row].score.c_str(), Vector2(centre.x + kColumn, y + kTextRaise),
                    TextAlignment::kRight, colors, renderer);
    }
}

}  // namespace nimbus
