// The GUI document, loaded as the game loads it (the editor's Gui with the standard
// window and action classes, the atlas and the font the menus use registered), then
// used: every transition fired and run to its end, every window drawn, keys, pointer
// motion and clicks offered, and the GUI written out as the editor saves it, which must
// load again and write out the same.
#include <tinyxml.h>

#include <memory>
#include <string>

#include "FuzzTarget.h"
#include "core/ResourceManager.h"
#include "gui/EditableGui.h"
#include "gui/InputEvent.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"
#include "render/ViewSize.h"
#include "render/font/BitmapFont.h"

namespace nimbus {
namespace {

// Takes every quad and clip rectangle, checking that clips pair up.
class CountingRenderer : public ScreenspaceRenderer {
public:
    void pushClipRect(const Vector2&, const Vector2&) override { ++depth; }
    void popClipRect() override {
        fuzzCheck(depth > 0, "a clip rectangle popped that was never pushed");
        --depth;
    }
    void addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>&, bool) override {
        touch(&quad, sizeof quad);
    }
    void addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>&) override {
        touch(&quad, sizeof quad);
    }
    void flush() override { fuzzCheck(depth == 0, "a clip rectangle is left pushed after drawing"); }

    int depth = 0;
};

void registerEnvironment() {
    static ResourceManager resources;
    static WindowFactory windows;
    static ActionFactory actions;
    setResourceManager(&resources);
    setWindowFactory(&windows);
    setActionFactory(&actions);
    registerStandardWindows(windows);
    registerStandardActions(actions);
    registerTexture("Textures/Alba", new AtlasSize);
    BitmapFont::Glyphs glyphs;
    for (int32_t code = ' '; code <= '~'; ++code) {
        GlyphMetrics m;
        m.right = m.top = m.uRight = m.vBottom = 1.0f;
        m.advance = 0.6f;
        glyphs[code] = m;
    }
    registerFont("Fonts/Alba", new BitmapFont(getResource<Texture>("Textures/Alba", "Texture"), {}, "Alba",
                                              "Textures/Alba", "Alba.xml", glyphs));
}

InputEvent event(InputEvent::Type type, int32_t x, int32_t y, int32_t key = -1, bool pressed = true) {
    InputEvent e;
    e.type = type;
    e.x = x;
    e.y = y;
    e.key = key;
    e.unicode = key;
    e.pressed = pressed;
    return e;
}

// Fires every transition and lets the actions run, with input in between: typing, then
// the pointer moved to and clicked at the centre and near each corner.
void exercise(Gui& gui) {
    CountingRenderer renderer;
    const Camera camera = makeStandardCamera();
    for (const auto& transition : gui.transitions()) gui.pushSignal(transition.first);
    const int32_t w = gui.width(), h = gui.height();
    InputEvent input[] = {
        event(InputEvent::Key, 0, 0, 'a'),
        event(InputEvent::Key, 0, 0, 'a', false),
        event(InputEvent::Key, 0, 0, 8),
        event(InputEvent::Key, 0, 0, 13),
        event(InputEvent::MouseMove, w / 2, h / 2),
        event(InputEvent::MouseDown, w / 2, h / 2),
        event(InputEvent::MouseUp, w / 2, h / 2, -1, false),
        event(InputEvent::MouseMove, 10, 10),
        event(InputEvent::MouseDown, 10, 10),
        event(InputEvent::MouseMove, w - 10, h - 10),
        event(InputEvent::MouseDown, w - 10, h - 10),
    };
    constexpr int kCount = sizeof input / sizeof input[0];
    for (int frame = 0; frame < 64; ++frame) {
        InputEvent events[kCount];
        for (int i = 0; i < kCount; ++i) events[i] = input[i];
        gui.update(0.25f, events, frame % 4 == 0 ? kCount : 0);
        gui.draw(camera, renderer);
        if (!gui.busy() && frame > 8) break;
    }
}

std::string written(const Gui& gui) {
    std::unique_ptr<TiXmlDocument> document(gui.toXml());
    TiXmlPrinter printer;
    document->Accept(&printer);
    return printer.CStr();
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    static const bool ready = (registerEnvironment(), true);
    fuzzCheck(ready, "the environment is not set up");
    std::string saved;
    {
        EditableGui gui(kViewWidth, kViewHeight);
        if (!gui.load(scratchFile(data, size))) return 0;
        saved = written(gui);
        exercise(gui);
    }
    EditableGui again(kViewWidth, kViewHeight);
    fuzzCheck(again.load(scratchFile(reinterpret_cast<const uint8_t*>(saved.data()), saved.size())),
              "a written GUI does not load again");
    fuzzCheck(written(again) == saved, "a written GUI loads into one that writes differently");
    return 0;
}
