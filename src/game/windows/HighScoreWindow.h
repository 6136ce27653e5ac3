#pragma once

#include <string>

#include "core/ResourceHandle.h"
#include "gui/windows/Window.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// The high-score table: up to ten rows of rank and name on the left and score on the
// right, the newest entry pulsing. It never sees the list itself: the game publishes the
// list as GUI properties ("highscore_name_N", "highscore_score_N", "newest_entry") and
// the window copies them into its rows each time it is shown, closing up ranks that are
// not set. A name too long for its row is shown cut short with an ellipsis. Any mouse
// press while it is shown, or Enter or Space, sends "main_menu" and is consumed. The rows are laid out from
// the window's centre; its size only clips them.
class HighScoreWindow : public Window {
public:
    static constexpr int kRows = 10;

    HighScoreWindow(const WindowAttributes& attributes, Gui& gui);

    // The window of a "highscore" element; null when the element is null (silently) or
    // lacks position or size (reported).
    static Window* create(const TiXmlElement* element, Gui& gui);

    // Copies the published table into the rows, then shows the window.
    void show() override;
    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) override;
    bool onMouseButton(const Vector2& pointer, bool pressed, int32_t button, SignalQueue& signals) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    int rowCount() const { return rowCount_; }
    const std::string& rowName(int row) const { return rows_[row].name; }
    // The row drawn pulsing, or -1 (or any index past the rows) for none.
    int newest() const { return newest_; }

private:
    struct Row {
        std::string name;
        std::string score;
        // Rank and name as drawn, cut to leave the score room.
        std::string label;
    };

    ResourceHandle<BitmapFont> font_;
    Gui* gui_;
    Row rows_[kRows];
    int rowCount_ = 0;
    int newest_ = -1;
    float timer_ = 0.0f;
};

}  // namespace nimbus
