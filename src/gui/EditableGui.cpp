#include "gui/EditableGui.h"

#include <SDL/SDL_keysym.h>
#include <tinyxml.h>

#include <cerrno>
#include <memory>

#include "core/Log.h"
#include "core/posix/FileOutBuffer.h"
#include "gui/EditorOverlay.h"
#include "gui/windows/Window.h"

namespace nimbus {

namespace {

// Which way each corner handle grows the size as the pointer moves: left-bottom,
// right-bottom, right-top, left-top.
const Vector2 kCornerGrowth[] = {Vector2(-1, -1), Vector2(1, -1), Vector2(1, 1), Vector2(-1, 1)};

// The deepest shown window under the point (in the parent's coordinates), children first.
Window* deepestAt(Window& window, const Vector2& point) {
    if (!window.visible()) return nullptr;
    const Vector2 inside = point - window.position();
    for (int32_t i = 0; i < window.childCount(); ++i) {
        if (Window* found = deepestAt(*window.child(i), inside)) return found;
    }
    return window.contains(point) ? &window : nullptr;
}

}  // namespace

EditableGui::EditableGui(int32_t width, int32_t height) : Gui(width, height) {}

void EditableGui::draw(const Camera& camera, ScreenspaceRenderer& renderer) {
    Gui::draw(camera, renderer);
    if (editMode_) drawEditorOverlay(aspect(), grid_, selected_);
}

bool EditableGui::load(const char* fileName) {
    if (!Gui::load(fileName)) return false;
    fileName_ = fileName;
    return true;
}

bool EditableGui::update(float dt, InputEvent* events, int count) {
    for (int i = 0; i < count; ++i) {
        const InputEvent& event = events[i];
        if (!keyCapture() && keys().pressed(event, kInputLayoutEditor)) editMode_ = !editMode_;
    }
    return Gui::update(dt, events, count);
}

bool EditableGui::onMouseButton(int x, int y, bool pressed, int button) {
    if (!editMode_) return Gui::onMouseButton(x, y, pressed, button);
    setMouse(screenToGui(x, y, grid_));
    if (!pressed) {
        dragHandle_ = kNoHandle;
        return false;
    }
    dragHandle_ = selected_ ? pickHandle(mouse()) : kNoHandle;
    if (dragHandle_ != kNoHandle) return false;
    for (int32_t i = 0; i < windowCount(); ++i) {
        if (Window* found = deepestAt(*window(i), mouse())) {
            selected_ = found;
            return true;
        }
    }
    return false;
}

void EditableGui::onMouseMove(int x, int y) {
    if (!editMode_) return Gui::onMouseMove(x, y);
    const Vector2 old = mouse();
    setMouse(screenToGui(x, y, grid_));
    if (dragHandle_ != kNoHandle && selected_) drag(mouse() - old);
}

void EditableGui::drag(const Vector2& delta) {
    if (dragHandle_ == kCentreHandle) {
        selected_->setAbsolutePosition(mouse());
        return;
    }
    if (dragHandle_ < kLeftBottomHandle || dragHandle_ > kLeftTopHandle) return;
    // The grabbed corner follows the pointer and the opposite corner stays.
    const Vector2& growth = kCornerGrowth[dragHandle_ - kLeftBottomHandle];
    selected_->setAbsolutePosition(selected_->absolutePosition() + delta * 0.5f);
    selected_->setSize(selected_->size() + Vector2(delta.x * growth.x, delta.y * growth.y));
}

bool EditableGui::onKey(const InputEvent& event) {
    if (!editMode_) return Gui::onKey(event);
    // A release carries no character; acting on it would save twice or delete twice.
    if (!event.pressed) return false;
    if (event.key == SDLK_s && (event.modifiers & KMOD_CTRL)) {
        if (!fileName_.empty()) save();
        return true;
    }
    if (!selected_) return false;
    selected_->editText(event);
    return true;
}

bool EditableGui::save() const {
    const std::unique_ptr<TiXmlDocument> document(toXml());
    TiXmlPrinter printer;
    document->Accept(&printer);
    const auto size = static_cast<int32_t>(printer.Size());
    FileOutBuffer out;
    if (!out.open(fileName_)) {
        LOG_ERROR("Failed to save " << fileName_ << " - " << systemErrorString(errno));
        return false;
    }
    const bool written = out.write(printer.CStr(), size) == size;
    if (!out.close() || !written) {
        LOG_ERROR("Failed to save " << fileName_);
        return false;
    }
    return true;
}

int32_t EditableGui::pickHandle(const Vector2& pointer) {
    return pickEditorHandle(*selected_, pointer, grid_);
}

}  // namespace nimbus
