#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "render/ViewSize.h"

struct _XDisplay;

// A virtual X display of its own for one test, so that windows other tests open at the
// same time cannot cover the game, with what a player does and sees on it: the pointer
// and keys go through xdotool, the screen is read back through Xlib. Points are given in
// the game's GUI coordinates of its window (ViewSize.h), wherever the window lies: it
// fills the display unless the display was made larger, and back from full screen SDL 2
// puts it in the middle.
class Desktop {
public:
    explicit Desktop(int width = nimbus::kViewWidth, int height = nimbus::kViewHeight);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool ready() const { return display_ != nullptr; }
    // The value for DISPLAY.
    const std::string& name() const { return name_; }

    // The colour under a point as 0xRRGGBB.
    unsigned pixel(float x, float y);
    // The colours of the window's pixel row through the height y, left to right, read at
    // one instant: all from the same frame.
    std::vector<unsigned> rowColours(float y);
    // How many pixels of the rectangle (x0, y0) to (x1, y1) are brighter than the level
    // in every channel (0 to 255).
    int brightPixels(float x0, float y0, float x1, float y1, int level);
    // How many pixels lie across the rectangle from its leftmost column with such a pixel
    // to its rightmost; 0 when it has none.
    int brightWidth(float x0, float y0, float x1, float y1, int level);

    void click(float x, float y);
    // Presses the left button over the point and keeps it down for the seconds given.
    void hold(float x, float y, float seconds);
    // Key names as xdotool knows them ("Left", "Escape", "BackSpace").
    void key(const std::string& name);
    void type(const std::string& text);
    // Takes the game's window off the screen and puts it back, as minimising it and
    // restoring it from a task bar do.
    void showGame(bool shown);
    // The size of the game's window; false while it has none.
    bool gameSize(int& width, int& height);

private:
    // The game's window, 0 while it has none.
    unsigned long gameWindow();
    // The screen pixel under a point of the game's window.
    void toScreen(float x, float y, int& column, int& row);
    void xdotool(const std::vector<std::string>& arguments);
    // Calls `visit` with the rectangle's column and row of each of its pixels brighter
    // than the level in every channel.
    void eachBrightPixel(float x0, float y0, float x1, float y1, int level,
                         const std::function<void(int x, int y)>& visit);

    pid_t server_ = -1;
    std::string name_;
    _XDisplay* display_ = nullptr;
};

// Waits until the condition holds, looking every tenth of a second for at most the
// seconds given; whether it came true.
template <typename Condition>
bool waitFor(float seconds, const Condition& condition);

#include "Desktop.inl"
