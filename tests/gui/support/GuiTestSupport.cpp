#include "GuiTestSupport.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <limits>

#include "../../render/font/FakeTexture.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "render/font/BitmapFont.h"

using namespace nimbus;

GuiEnvironment::GuiEnvironment()
    : previousManager_(setResourceManager(&manager)),
      previousWindows_(setWindowFactory(&windows)),
      previousActions_(setActionFactory(&actions)) {
    registerStandardWindows(windows);
    registerStandardActions(actions);
    char pattern[] = "/tmp/nimbus-gui-XXXXXX";
    if (mkdtemp(pattern)) directory_ = pattern;
}

GuiEnvironment::~GuiEnvironment() {
    setResourceManager(previousManager_);
    setWindowFactory(previousWindows_);
    setActionFactory(previousActions_);
    const std::string command = "rm -rf '" + directory_ + "'";
    if (!directory_.empty() && std::system(command.c_str()) != 0) std::perror("rm");
}

std::string GuiEnvironment::write(const std::string& text) {
    const std::string name = directory_ + "/gui" + std::to_string(files_++) + ".xml";
    std::ofstream(name) << text;
    return name;
}

void registerTestFont() {
    BitmapFont::Glyphs glyphs;
    for (int32_t code = ' '; code <= '~'; ++code) {
        GlyphMetrics m;
        m.right = 0.5f;
        m.top = 1.0f;
        m.uRight = m.vBottom = 1.0f;
        m.advance = 0.6f;
        glyphs[code] = m;
    }
    registerFont("Fonts/Alba", new BitmapFont(ResourceHandle<Texture>(new FakeTexture(16, 16)),
                                              ResourceHandle<Texture>(new FakeTexture(16, 16)), "Alba",
                                              "Textures/Alba", "Alba.xml", glyphs));
}

std::string document(const std::string& sections) { return "<gui>" + sections + "</gui>"; }

InputEvent keyEvent(int32_t key, int32_t unicode, bool pressed, int32_t modifiers) {
    InputEvent event;
    event.type = InputEvent::Key;
    event.key = key;
    event.unicode = unicode;
    event.pressed = pressed;
    event.modifiers = modifiers;
    return event;
}

InputEvent buttonEvent(InputEvent::Type type, int32_t x, int32_t y, int32_t button) {
    InputEvent event;
    event.type = type;
    event.x = x;
    event.y = y;
    event.button = button;
    event.pressed = type == InputEvent::MouseDown;
    return event;
}

InputEvent moveEvent(int32_t x, int32_t y) {
    InputEvent event;
    event.type = InputEvent::MouseMove;
    event.x = x;
    event.y = y;
    return event;
}

void RecordingRenderer::pushClipRect(const Vector2& min, const Vector2& max) {
    std::vector<float> clip = {min.x, min.y, max.x, max.y};
    if (!clips.empty()) {
        const std::vector<float>& top = clips.back();
        clip = {std::max(clip[0], top[0]), std::max(clip[1], top[1]), std::min(clip[2], top[2]),
                std::min(clip[3], top[3])};
    }
    clips.push_back(clip);
}

void RecordingRenderer::popClipRect() {
    if (!clips.empty()) clips.pop_back();
}

void RecordingRenderer::addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, bool glow) {
    const float huge = std::numeric_limits<float>::max();
    Added entry{quad, texture.get(), glow, {-huge, -huge, huge, huge}};
    if (!clips.empty()) std::copy(clips.back().begin(), clips.back().end(), entry.clip);
    added.push_back(entry);
}
