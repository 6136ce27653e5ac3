#pragma once

#include <cstdint>
#include <string>

#include "gui/Gui.h"

namespace nimbus {

// The GUI with its layout editor, the one the game builds. The layout editor's key (F1)
// switches edit mode; outside it everything behaves as the plain Gui. In edit mode the
// pointer snaps to a grid, a press selects the deepest shown window under it (no action
// fires) or grabs a handle of the selected window, dragging moves or resizes it, key
// presses type into its text, and Ctrl+S saves the whole GUI over the document it was
// loaded from. Saving goes to a temporary file that replaces the document only once
// completely written, so a failed save leaves the old document as it was. Key releases do
// nothing in edit mode.
class EditableGui : public Gui {
public:
    static constexpr float kGrid = 0.025f;

    EditableGui(int32_t width, int32_t height);

    // The GUI, then in edit mode the grid and the selection's handles.
    void draw(const Camera& camera, ScreenspaceRenderer& renderer) override;
    // As Gui::load; remembers the file when it succeeds.
    bool load(const char* fileName) override;
    // Each press of the layout editor's key toggles edit mode, unless a window captures
    // keys; then the Gui's frame runs on the same events.
    bool update(float dt, InputEvent* events, int count) override;
    bool onMouseButton(int x, int y, bool pressed, int button) override;
    void onMouseMove(int x, int y) override;
    bool onKey(const InputEvent& event) override;

    // Writes the document to the loaded file; false, with one message naming the file,
    // when it could not be (the old file is then untouched).
    bool save() const;

    bool editMode() const { return editMode_; }
    float grid() const { return grid_; }
    Window* selected() const { return selected_; }
    int32_t dragHandle() const { return dragHandle_; }
    const std::string& fileName() const { return fileName_; }

protected:
    // The selected window's handle under the pointer (EditorHandle); GL selection.
    virtual int32_t pickHandle(const Vector2& pointer);

private:
    void drag(const Vector2& delta);

    bool editMode_ = false;
    float grid_ = kGrid;
    Window* selected_ = nullptr;
    int32_t dragHandle_ = 0;
    std::string fileName_;
};

}  // namespace nimbus
