#include "game/windows/LevelWatchButton.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/ResourceManager.h"
#include "game/windows/LevelPlanWindow.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"

namespace nimbus {

namespace {

const Color kPane{0.18f, 0.44f, 0.82f, 1.0f};

}  // namespace

LevelWatchButton::LevelWatchButton(const WindowAttributes& attributes, int32_t slot, std::string shownBy,
                                   std::string action, std::string caption, Gui& gui, const Color& color,
                                   const Color& glow)
    : Button(attributes, std::move(action), std::move(caption), gui.getFont(kDefaultFontName), color, glow),
      slot_(slot),
      gui_(&gui),
      shownBy_(std::move(shownBy)),
      nameKey_(kPropertyLevelName + std::to_string(slot)),
      replayKey_(shownBy_ + std::to_string(slot)),
      shown_(kNotRegistered),
      circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)) {}

Window* LevelWatchButton::create(const TiXmlElement* element, Gui& gui) {
    WindowAttributes attributes;
    if (!parseWindowAttributes(element, attributes)) return nullptr;
    int slot = -1;
    if (element->QueryIntAttribute(kAttributeSlot, &slot) != TIXML_SUCCESS || slot < 0 ||
        slot >= LevelPlanWindow::kPageSize) {
        LOG_ERROR("Missing slot attribute, from 0 to " << LevelPlanWindow::kPageSize - 1);
        return nullptr;
    }
    const char* action = requiredAttribute(element, kAttributeAction);
    const char* caption = requiredAttribute(element, kAttributeCaption);
    if (!action || !caption) return nullptr;
    Color color = kDefaultColor, glow = kDefaultGlow;
    readColorAttribute(*element, kAttributeColor, color);
    readColorAttribute(*element, kAttributeGlow, glow);
    const char* shownBy = element->Attribute(kAttributeProperty);
    return new LevelWatchButton(attributes, slot, shownBy ? shownBy : kPropertyLevelReplay, action, caption,
                                gui, color, glow);
}

TiXmlElement& LevelWatchButton::toXml(TiXmlElement& element) const {
    Button::toXml(element);
    element.SetAttribute(kAttributeClass, kClassLevelWatch);
    element.SetAttribute(kAttributeSlot, slot_);
    if (shownBy_ != kPropertyLevelReplay) element.SetAttribute(kAttributeProperty, shownBy_);
    return element;
}

void LevelWatchButton::update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) {
    Button::update(dt, signals, gui, pointer);
    const std::string& shown = gui.getProperty(kPropertyLevelsShown);
    if (shown == shown_) return;
    shown_ = shown;
    const std::string& level = gui.getProperty(nameKey_);
    const bool watchable = level != kNotRegistered && gui.getProperty(replayKey_) == kLevelIsOpen;
    level_ = watchable ? level : std::string();
    if (level_.empty() && gui.focus() == this) gui.setFocus(nullptr);
}

bool LevelWatchButton::onKey(const InputEvent& event, SignalQueue& signals, Gui& gui) {
    if (level_.empty() || !Button::onKey(event, signals, gui)) return false;
    gui.setProperty(kPropertyChosenLevel, level_);
    return true;
}

bool LevelWatchButton::onMouseButton(const Vector2& pointer, bool pressed, int32_t button,
                                     SignalQueue& signals) {
    if (level_.empty() || !Button::onMouseButton(pointer, pressed, button, signals)) return false;
    gui_->setProperty(kPropertyChosenLevel, level_);
    return true;
}

void LevelWatchButton::draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
                            const Vector2& parentAbsolute, Gui& gui) {
    if (level_.empty()) return;
    const Vector2 centre = parentAbsolute + position();
    const Vector2 half = size() * 0.5f;
    addRoundedRectangle(renderer, circle_, centre - half, centre + half, half.y, kPane);
    Button::draw(camera, renderer, aspect, parentAbsolute, gui);
}

}  // namespace nimbus
