#include "game/windows/LevelPlanWindow.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/InArchive.h"
#include "core/Log.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "game/level/LevelSource.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelList.h"
#include "game/rules/TileColor.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/KeyboardFocus.h"
#include "gui/windows/Quads.h"
#include "render/Core.h"
#include "render/TextureFile.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

// Where things sit on the card, as fractions of its height above its centre (baselines)
// and of its height (text sizes); the plan fills the band between its top and bottom
// and at most its share of the card's width.
constexpr float kHeadingRaise = 0.29f;
constexpr float kNumberSize = 0.17f;
constexpr float kTitleSize = 0.105f;
constexpr float kBestRaise = -0.44f;
constexpr float kBestSize = 0.095f;
constexpr float kPlanTop = 0.24f;
constexpr float kPlanBottom = -0.31f;
constexpr float kPlanWidth = 0.9f;
// The texts' room from the card's sides, and between the number and the title, as
// fractions of the card's width.
constexpr float kMargin = 0.05f;
constexpr float kTitleGap = 0.03f;
constexpr float kCornerRadius = 0.04f;
// The share of the card's width along the bottom right that a level with a run to watch
// leaves its Watch button, its best then starting from the left; and along the top right
// that the player's own level leaves its Edit button.
constexpr float kWatchRoom = 0.38f;

const Color kCard{0.04f, 0.1f, 0.18f, 0.92f};
const Color kCardHovered{0.09f, 0.2f, 0.34f, 0.95f};
const Color kNumberColor{1.0f, 1.0f, 1.0f, 1.0f};
const Color kTitleColor{0.72f, 0.84f, 0.95f, 1.0f};
const Color kBestColor{0.55f, 0.85f, 1.0f, 1.0f};
// How bright a level that is not open yet is drawn.
constexpr float kDimmed = 0.35f;

// A tile of the plan is this many pixels each way at least and at most; a plan no wider
// or higher than the largest texture made here.
constexpr int32_t kFewestPixels = 3;
constexpr int32_t kMostPixels = 32;
constexpr int32_t kLargestPlan = 2048;

// Tile colours a little softer than the game's pure ones, so that a page of them is easy
// on the eye; the die on the start and the goal's chequer.
Color softened(const Color& c) {
    return Color(0.1f + 0.8f * c.r(), 0.1f + 0.8f * c.g(), 0.1f + 0.8f * c.b(), 1.0f);
}
const Color kDieColor{0.1f, 0.2f, 0.45f, 1.0f};
const Color kChequerDark{0.08f, 0.08f, 0.1f, 1.0f};

Color scaled(const Color& c, float k) { return Color(c.r() * k, c.g() * k, c.b() * k, c.a()); }

// The pixels of a plan, rows from the bottom as GL takes them.
class PlanPixels {
public:
    PlanPixels(int32_t width, int32_t height)
        : width_(width), bytes_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0) {}

    void put(int32_t x, int32_t y, const Color& c) {
        uint8_t* p =
            &bytes_[(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4];
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<uint8_t>(std::clamp(c.e[i], 0.0f, 1.0f) * 255.0f + 0.5f);
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    int32_t width_;
    std::vector<uint8_t> bytes_;
};

// The colour of a tile's pixel (x, y) within its square of `side` pixels, from the
// square's lower left corner; fully clear in the gap along the top and the right that
// sets tiles apart.
Color tilePixel(int32_t color, int32_t x, int32_t y, int32_t side) {
    const int32_t gap = side >= 4 ? 1 : 0;
    if (x >= side - gap || y >= side - gap) return Color(0, 0, 0, 0);
    const int32_t inner = side - gap;
    if (color == kGoal) {
        const int32_t check = std::max(1, inner / 3);
        return (x / check + y / check) % 2 == 0 ? Color(1, 1, 1, 1) : kChequerDark;
    }
    if (color == kStart) {
        const bool die = x >= inner / 4 && x < inner - inner / 4 && y >= inner / 4 && y < inner - inner / 4;
        return die ? kDieColor : Color(1, 1, 1, 1);
    }
    return softened(asColor(color));
}

}  // namespace

LevelPlanWindow::LevelPlanWindow(const WindowAttributes& attributes, int32_t slot, Gui& gui)
    : Window(attributes),
      slot_(slot),
      gui_(&gui),
      nameKey_(kPropertyLevelName + std::to_string(slot)),
      titleKey_(kPropertyLevelTitle + std::to_string(slot)),
      bestKey_(kPropertyLevelBest + std::to_string(slot)),
      openKey_(kPropertyLevelOpen + std::to_string(slot)),
      replayKey_(kPropertyLevelReplay + std::to_string(slot)),
      slotText_(std::to_string(slot)),
      shown_(kNotRegistered),
      font_(gui.getFont(kDefaultFontName)),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)) {}

Window* LevelPlanWindow::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    int slot = -1;
    if (element->QueryIntAttribute(kAttributeSlot, &slot) != TIXML_SUCCESS || slot < 0 || slot >= kPageSize) {
        LOG_ERROR("Missing slot attribute, from 0 to " << kPageSize - 1);
        return nullptr;
    }
    return new LevelPlanWindow(attributes, slot, gui);
}

TiXmlElement& LevelPlanWindow::toXml(TiXmlElement& element) const {
    writeXml(element, kClassLevelPlan);
    element.SetAttribute(kAttributeSlot, slot_);
    return element;
}

void LevelPlanWindow::update(float, SignalQueue&, Gui& gui, const Vector2& pointer) {
    hovered_ = contains(pointer);
    const std::string& shown = gui.getProperty(kPropertyLevelsShown);
    if (shown == shown_) return;
    shown_ = shown;
    refresh(gui);
}

void LevelPlanWindow::refresh(Gui& gui) {
    const std::string& level = gui.getProperty(nameKey_);
    const std::string wanted = level == kNotRegistered ? std::string() : level;
    if (wanted != level_) {
        level_ = wanted;
        plan_.release();
        own_ = isOwnLevel(level_);
        if (own_) {
            LevelSource source;
            if (LevelSourceParser::read(gui.getProperty(kPropertyOwnLevelsFolder) + "/" + level_, source,
                                        nullptr, LevelSourceParser::Rules::kDraft))
                drawPlan(source.board);
        } else {
            InArchive* archive = inArchive();
            const std::unique_ptr<Board> board(
                archive && !level_.empty() ? BoardFactory().loadLevel(*archive, level_) : nullptr);
            if (board) drawPlan(*board);
        }
    }
    open_ = gui.getProperty(openKey_) == kLevelIsOpen;
    const float width = size().x, height = size().y;
    // The player's own level has no number, and leaves its Edit button the top right.
    layOut(number_, own_ ? std::string() : level_, kNumberSize * height, width);
    const float numberWidth = textExtent(number_.count, number_.quads);
    const float titleRoom =
        width * (1.0f - 2.0f * kMargin - kTitleGap - (own_ ? kWatchRoom : 0.0f)) - numberWidth;
    layOut(title_, gui.getProperty(titleKey_), kTitleSize * height, titleRoom);
    watchable_ = gui.getProperty(replayKey_) == kLevelIsOpen;
    layOut(best_, gui.getProperty(bestKey_), kBestSize * height,
           width * (1.0f - 2.0f * kMargin - (watchable_ ? kWatchRoom : 0.0f)));
    // The focus stays with the level lit, not with the slot: a page turned by a click
    // leaves no other level lit.
    if (!level_.empty() && gui.getProperty(kPropertyLevelsLit) == slotText_)
        gui.setFocus(this);
    else if (gui.focus() == this)
        gui.setFocus(nullptr);
}

void LevelPlanWindow::layOut(Line& line, const std::string& text, float size, float widest) {
    line.count = 0;
    if (!font_ || text == kNotRegistered) return;
    line.count = layoutText(*font_, line.quads, kMaxCharacters, text.c_str(), size, 0.0f);
    // A text too wide for its room is drawn smaller until it fits.
    const float extent = textExtent(line.count, line.quads);
    if (extent > widest && widest > 0.0f)
        line.count =
            layoutText(*font_, line.quads, kMaxCharacters, text.c_str(), size * widest / extent, 0.0f);
}

void LevelPlanWindow::drawPlan(const Board& board) {
    const float unit = std::min(size().x * kPlanWidth / static_cast<float>(board.width()),
                                size().y * (kPlanTop - kPlanBottom) / static_cast<float>(board.length()));
    planSize_ = Vector2(unit * static_cast<float>(board.width()), unit * static_cast<float>(board.length()));
    // About a pixel of texture for a pixel of the window, so the plan stays crisp.
    const float pixelsPerUnit = static_cast<float>(gui_->height()) * 0.5f;
    const int32_t widest = std::max(board.width(), board.length());
    const int32_t side =
        std::min(std::clamp(static_cast<int32_t>(unit * pixelsPerUnit), kFewestPixels, kMostPixels),
                 kLargestPlan / widest);
    if (side < 1 || !core()) return;
    const int32_t width = board.width() * side, height = board.length() * side;
    PlanPixels pixels(width, height);
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            const int32_t color = board.tileAt(Position(x, y)).color;
            if (color == kUndefined) continue;
            // The game's view looks at the board from beyond its last column and row, so
            // the plan is turned half round to show the level as the player sees it: the
            // first column on the right, the first row at the bottom.
            const int32_t left = (board.width() - 1 - x) * side, bottom = y * side;
            for (int32_t py = 0; py < side; ++py) {
                for (int32_t px = 0; px < side; ++px)
                    pixels.put(left + px, bottom + py, tilePixel(color, px, py, side));
            }
        }
    }
    TextureHeader header;
    header.format = static_cast<int16_t>(PixelFormat::RGBA);
    header.width = static_cast<int16_t>(width);
    header.height = static_cast<int16_t>(height);
    header.mipCount = 1;
    plan_ = ResourceHandle<Texture>(
        core()->createTexture(header, pixels.bytes().data(), static_cast<int64_t>(pixels.bytes().size())));
}

bool LevelPlanWindow::choose(SignalQueue& signals) {
    // A level not open yet takes the press and does nothing.
    if (!open_) return true;
    gui_->setProperty(kPropertyChosenLevel, level_);
    signals.push_back(kSignalPlayLevel);
    return true;
}

bool LevelPlanWindow::onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) {
    if (!KeyboardFocus::isPress(event) || gui.focus() != this) return false;
    return choose(signals);
}

bool LevelPlanWindow::onMouseButton(const Vector2& pointer, bool pressed, int32_t button,
                                    SignalQueue& signals) {
    if (!pressed || button != InputEvent::kLeftButton || level_.empty() || !contains(pointer)) return false;
    return choose(signals);
}

void LevelPlanWindow::draw(const Camera&, ScreenspaceRenderer& renderer, float, const Vector2& parentAbsolute,
                           Gui&) {
    if (level_.empty()) return;
    // A page of plans holds more quads than the renderer keeps between two flushes, so
    // each plan starts with what came before it drawn.
    renderer.flush();
    const Vector2 centre = parentAbsolute + position();
    const Vector2 half = size() * 0.5f;
    addRoundedRectangle(renderer, circle_, centre - half, centre + half, kCornerRadius,
                        hovered_ && open_ ? kCardHovered : kCard);
    const float light = open_ ? 1.0f : kDimmed;
    if (plan_) {
        const float middle = centre.y + size().y * (kPlanTop + kPlanBottom) * 0.5f;
        const Vector2 planHalf = planSize_ * 0.5f;
        renderer.addQuad(
            rectangleQuad(Vector2(centre.x - planHalf.x, middle - planHalf.y),
                          Vector2(centre.x + planHalf.x, middle + planHalf.y), Vector2(0.0f, 0.0f),
                          Vector2(1.0f, 1.0f), Color(light, light, light, 1.0f)),
            plan_, false);
    }
    const float left = centre.x - half.x + size().x * kMargin;
    const float heading = centre.y + size().y * kHeadingRaise;
    drawLine(number_, Vector2(left, heading), TextAlignment::kLeft, scaled(kNumberColor, light), renderer);
    const float titleLeft =
        left + (number_.count > 0 ? textExtent(number_.count, number_.quads) + size().x * kTitleGap : 0.0f);
    drawLine(title_, Vector2(titleLeft, heading), TextAlignment::kLeft, scaled(kTitleColor, light), renderer);
    const float bestRaise = centre.y + size().y * kBestRaise;
    if (watchable_)
        drawLine(best_, Vector2(left, bestRaise), TextAlignment::kLeft, scaled(kBestColor, light), renderer);
    else
        drawLine(best_, Vector2(centre.x, bestRaise), TextAlignment::kCentre, scaled(kBestColor, light),
                 renderer);
}

void LevelPlanWindow::drawLine(const Line& line, const Vector2& anchor, int32_t horizontal,
                               const Color& color, ScreenspaceRenderer& renderer) const {
    if (line.count == 0) return;
    TextAlignment alignment;
    alignment.horizontal = horizontal;
    alignment.vertical = TextAlignment::kBaseline;
    drawText(line.count, alignment, anchor, line.quads, font_->texture(), renderer, false, &color);
}

}  // namespace nimbus
