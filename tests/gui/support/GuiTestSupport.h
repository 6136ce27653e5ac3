#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "gui/Gui.h"
#include "gui/InputEvent.h"
#include "gui/actions/ActionFactory.h"
#include "gui/windows/WindowFactory.h"
#include "render/ScreenspaceRenderer.h"

// A resource manager and both factories with the standard classes, made process-wide
// for the test and put back after it, and a scratch directory for documents.
class GuiEnvironment {
public:
    GuiEnvironment();
    ~GuiEnvironment();
    GuiEnvironment(const GuiEnvironment&) = delete;
    GuiEnvironment& operator=(const GuiEnvironment&) = delete;

    // Writes the text to a new file of the scratch directory and returns its name.
    std::string write(const std::string& text);
    const std::string& directory() const { return directory_; }

    nimbus::ResourceManager manager;
    nimbus::WindowFactory windows;
    nimbus::ActionFactory actions;

private:
    nimbus::ResourceManager* previousManager_;
    nimbus::WindowFactory* previousWindows_;
    nimbus::ActionFactory* previousActions_;
    std::string directory_;
    int files_ = 0;
};

// Registers "Fonts/Alba": every printable character is a glyph 0.5 wide and 1 high with
// an advance of 0.6, on a texture and a glow texture that hold no pixels.
void registerTestFont();

// A document of the given sections inside <gui>.
std::string document(const std::string& sections);

nimbus::InputEvent keyEvent(int32_t key, int32_t unicode, bool pressed, int32_t modifiers = 0);
nimbus::InputEvent buttonEvent(nimbus::InputEvent::Type type, int32_t x, int32_t y, int32_t button = 0);
nimbus::InputEvent moveEvent(int32_t x, int32_t y);

// A renderer that keeps what it is given, with the clip rectangle each quad was added
// under (min x, min y, max x, max y; the whole plane when there is none).
class RecordingRenderer : public nimbus::ScreenspaceRenderer {
public:
    struct Added {
        nimbus::ScreenQuad quad;
        nimbus::Texture* texture;
        bool glow;
        float clip[4];
    };
    void pushClipRect(const nimbus::Vector2& min, const nimbus::Vector2& max) override;
    void popClipRect() override;
    void addQuad(const nimbus::ScreenQuad& quad, const nimbus::ResourceHandle<nimbus::Texture>& texture,
                 bool glow) override;
    void flush() override { ++flushes; }

    std::vector<Added> added;
    std::vector<std::vector<float>> clips;
    int flushes = 0;
};
