#pragma once

#include <cstdint>
#include <string>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "gui/windows/Window.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A property's text over as many lines as it needs, up to "lines" (default 3) of the
// given "line" height (default 0.05): broken between words to fit the window's width,
// from its top left. A text that needs more lines ends in "..." on the last. The text is
// laid out again only when the property changes, so a steady frame allocates nothing.
class PropertyLines : public Window {
public:
    static constexpr int32_t kMostLines = 6;
    static constexpr int32_t kMostCharacters = 96;

    PropertyLines(const WindowAttributes& attributes, std::string property, int32_t lines, float lineHeight,
                  ResourceHandle<BitmapFont> font, const Color& color);
    // "property" (required), "lines", "line", "color".
    static Window* create(const TiXmlElement* element, Gui& gui);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return false; }
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    bool onKey(const InputEvent&, SignalQueue&, Gui&) override { return false; }
    bool onMouseButton(const Vector2&, bool, int32_t, SignalQueue&) override { return false; }
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    int32_t lineCount() const { return lineCount_; }
    // The text of a line laid out, for tests.
    const std::string& line(int32_t index) const { return texts_[index]; }

private:
    struct Line {
        ScreenQuad quads[kMostCharacters];
        int32_t count = 0;
    };

    void layOut();
    // Whether the text fits the width on one line.
    bool fits(const std::string& text);

    std::string property_;
    int32_t lines_;
    float lineHeight_;
    ResourceHandle<BitmapFont> font_;
    Color color_;
    std::string shown_;
    std::string texts_[kMostLines];
    Line laid_[kMostLines];
    int32_t lineCount_ = 0;
};

}  // namespace nimbus
