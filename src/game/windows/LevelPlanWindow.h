#pragma once

#include <cstdint>
#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "core/math/Vector2.h"
#include "gui/windows/Window.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

class Board;

// One level on the Levels screen, on a dark card: the level's number and title along the
// top, its map drawn small in the middle as the game's view shows it (the tiles in their
// colours, holes left out, the start with a die on it, goals chequered), its best along
// the bottom, left of its Watch button (LevelWatchButton, a child in the document) when
// it has a run to watch. A level that is not open yet is dimmed and cannot be chosen; a
// slot without a level shows nothing and cannot take the focus.
//
// The player's own level (a name ending in ".level") is read from its file in the folder
// "own_levels_folder" names, has no number, and leaves the top right to its Edit button.
//
// It never sees the game's lists: the Levels screen publishes each slot's level as GUI
// properties (kPropertyLevelName and its fellows, followed by the slot) and changes
// "levels_shown" whenever it does; the window then reads its slot again, draws the new
// level's map once into a texture of its own, lays its texts out, and takes the keyboard
// focus when "levels_lit" names its slot. So a steady frame reads one property and
// allocates nothing. A left press on it, or Enter or Space while it has the focus,
// chooses an open level: its name goes into "chosen_level" and "play_level" is signalled.
class LevelPlanWindow : public Window {
public:
    // Plans on a page, and the slots they stand in: 0 to kPageSize - 1.
    static constexpr int32_t kPageSize = 12;

    LevelPlanWindow(const WindowAttributes& attributes, int32_t slot, Gui& gui);
    // The window of a "level_plan" element, which needs a "slot" on the page; null,
    // reported, when it is missing or off the page, or the common attributes are.
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool focusable() const override { return !level_.empty(); }
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    int32_t slot() const { return slot_; }
    // The level the window shows (empty for none) and whether it can be chosen.
    const std::string& level() const { return level_; }
    bool open() const { return open_; }

private:
    static constexpr int32_t kMaxCharacters = 32;

    // A line of text laid out once, drawn every frame.
    struct Line {
        ScreenQuad quads[kMaxCharacters];
        int32_t count = 0;
    };

    // Reads the slot's properties again, after the Levels screen published a page.
    void refresh(Gui& gui);
    void layOut(Line& line, const std::string& text, float size, float widest);
    // The map of the level drawn into a texture, a square of pixels a tile.
    void drawPlan(const Board& board);
    bool choose(SignalQueue& signals);
    void drawLine(const Line& line, const Vector2& anchor, int32_t horizontal, const Color& color,
                  ScreenspaceRenderer& renderer) const;

    int32_t slot_;
    Gui* gui_;
    // The names of the slot's properties.
    std::string nameKey_, titleKey_, bestKey_, openKey_, replayKey_, slotText_;
    // The "levels_shown" the window shows.
    std::string shown_;
    std::string level_;
    bool open_ = false;
    // Whether the level is one of the player's own, read from its file.
    bool own_ = false;
    // Whether the level has a run to watch, whose Watch button takes the bottom right.
    bool watchable_ = false;
    bool hovered_ = false;
    ResourceHandle<BitmapFont> font_;
    ResourceHandle<Texture> circle_;
    ResourceHandle<Texture> plan_;
    // The plan's size in GUI units, tiles square.
    Vector2 planSize_;
    Line number_;
    Line title_;
    Line best_;
};

}  // namespace nimbus
