#include "gui/Gui.h"

#include <tinyxml.h>

#include <cmath>
#include <cstdio>

#include "core/Log.h"
#include "core/ResourceManager.h"
#include "gui/GuiNames.h"
#include "gui/actions/Action.h"
#include "gui/actions/ActionFactory.h"
#include "gui/windows/Window.h"
#include "gui/windows/WindowFactory.h"
#include "render/ScreenspaceRenderer.h"
#include "render/XmlFile.h"
#include "render/font/FontLoader.h"

namespace nimbus {

namespace {

// Every window is updated, shown or not, its children after it.
void updateTree(Window& window, float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) {
    window.update(dt, signals, gui, pointer);
    const Vector2 inside = pointer - window.position();
    for (int32_t i = 0; i < window.childCount(); ++i) updateTree(*window.child(i), dt, signals, gui, inside);
}

bool takesInput(const Window& window) { return window.visible() && window.inputEnabled(); }

bool takesInputWithParents(const Window& window) {
    for (const Window* w = &window; w; w = w->parent()) {
        if (!takesInput(*w)) return false;
    }
    return true;
}

// Children are offered a key before their parent; the first to consume it wins.
bool dispatchKey(Window& window, const InputEvent& event, SignalQueue& signals, Gui& gui) {
    if (!takesInput(window)) return false;
    for (int32_t i = 0; i < window.childCount(); ++i) {
        if (dispatchKey(*window.child(i), event, signals, gui)) return true;
    }
    return window.onKey(event, signals, gui);
}

bool dispatchButton(Window& window, const Vector2& pointer, bool pressed, int button, SignalQueue& signals) {
    if (!takesInput(window)) return false;
    const Vector2 inside = pointer - window.position();
    for (int32_t i = 0; i < window.childCount(); ++i) {
        if (dispatchButton(*window.child(i), inside, pressed, button, signals)) return true;
    }
    return window.onMouseButton(pointer, pressed, button, signals);
}

// The focus glow goes under its host window, before anything of the host is drawn.
void drawTree(Window& window, const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui, const Window* glowHost) {
    if (!window.visible()) return;
    const Vector2 absolute = parentAbsolute + window.position();
    if (&window == glowHost) KeyboardFocus::drawGlow(window, absolute, renderer);
    const bool clips = window.clipsChildren();
    if (clips) {
        const Vector2 half = window.size() * 0.5f;
        renderer.pushClipRect(absolute - half, absolute + half);
    }
    window.draw(camera, renderer, aspect, parentAbsolute, gui);
    for (int32_t i = 0; i < window.childCount(); ++i) {
        drawTree(*window.child(i), camera, renderer, aspect, absolute, gui, glowHost);
    }
    if (clips) renderer.popClipRect();
}

Window* findIn(Window& window, const char* name) {
    if (equalsNoCase(window.name().c_str(), name)) return &window;
    for (int32_t i = 0; i < window.childCount(); ++i) {
        if (Window* found = findIn(*window.child(i), name)) return found;
    }
    return nullptr;
}

}  // namespace

Gui::Gui(int32_t width, int32_t height)
    : width_(width), height_(height), aspect_(static_cast<float>(width) / static_cast<float>(height)) {}

Gui::~Gui() {
    for (Window* window : windows_) delete window;
    for (auto& transition : transitions_) {
        for (Action* action : transition.second) delete action;
    }
}

bool Gui::load(const char* fileName) {
    TiXmlDocument document;
    if (!loadXmlFile(fileName, document)) return false;
    const TiXmlElement* root = document.RootElement();
    if (!root) return true;
    for (const TiXmlElement* section = root->FirstChildElement(); section;
         section = section->NextSiblingElement()) {
        const char* name = section->Value();
        if (equalsNoCase(name, kSectionFonts)) {
            loadFonts(*section);
        } else if (equalsNoCase(name, kSectionWindows)) {
            loadWindows(*section);
        } else if (equalsNoCase(name, kSectionTransitions)) {
            loadTransitions(*section);
        }
    }
    return true;
}

void Gui::loadFonts(const TiXmlElement& section) {
    for (const TiXmlElement* element = section.FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        BitmapFont* font = loadFont(*element);
        if (!font) {
            LOG_ERROR("Failed to load font");
            continue;
        }
        char resourceName[512];
        std::snprintf(resourceName, sizeof resourceName, "%s%s", kFontResourcePrefix, font->name().c_str());
        registerFont(resourceName, font);
        fonts_.push_back(getResource<BitmapFont>(resourceName, kFontTypeName));
    }
}

void Gui::loadWindows(const TiXmlElement& section) {
    const WindowFactory* factory = windowFactory();
    for (const TiXmlElement* element = section.FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        Window* window = factory ? factory->create(element, *this) : nullptr;
        if (!window) {
            LOG_ERROR("Failed to load window");
            continue;
        }
        windows_.push_back(window);
    }
}

void Gui::loadTransitions(const TiXmlElement& section) {
    const ActionFactory* factory = actionFactory();
    for (const TiXmlElement* element = section.FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        const char* condition = element->Attribute(kAttributeCondition);
        if (!condition) {
            LOG_ERROR("Transition missing condition");
            continue;
        }
        std::vector<Action*> actions;
        for (const TiXmlElement* child = element->FirstChildElement(); child;
             child = child->NextSiblingElement()) {
            Action* action = factory ? factory->create(child, *this) : nullptr;
            if (!action) {
                LOG_ERROR("Failed to create action");
                continue;
            }
            actions.push_back(action);
        }
        // A later transition of the same condition replaces the earlier one, spelling and
        // all; nothing can be running while the document loads, so its actions go at once.
        const auto earlier = transitions_.find(condition);
        if (earlier != transitions_.end()) {
            for (Action* old : earlier->second) delete old;
            transitions_.erase(earlier);
        }
        transitions_.emplace(condition, std::move(actions));
    }
}

bool Gui::update(float dt, InputEvent* events, int count) {
    for (Window* window : windows_) updateTree(*window, dt, signals_, *this, mouse_);
    if (capture_ && !takesInputWithParents(*capture_)) capture_ = nullptr;
    if (!runActions(dt)) return true;
    // The state looked at this frame's keys while they were captured, so none of them may
    // reach anything else, even after the capture ended.
    const bool captured = capture_ != nullptr;
    for (int i = 0; i < count; ++i) {
        InputEvent& event = events[i];
        switch (event.type) {
            case InputEvent::Key:
                if (captured) {
                    if (capture_) capture_->onKey(event, signals_, *this);
                    event.type = InputEvent::None;
                    break;
                }
                if (keys_.matches(event, kInputQuit)) return false;
                if (onKey(event)) event.type = InputEvent::None;
                break;
            case InputEvent::MouseMove:
                onMouseMove(event.x, event.y);
                break;
            case InputEvent::MouseDown:
            case InputEvent::MouseUp:
                if (event.pressed) capture_ = nullptr;
                if (onMouseButton(event.x, event.y, event.pressed, event.button))
                    event.type = InputEvent::None;
                break;
            default:
                break;
        }
    }
    fireSignals();
    return true;
}

bool Gui::runActions(float dt) {
    if (running_.empty()) return true;
    if (running_.back()->execute(dt, *this) != Action::kFinished) return false;
    running_.pop_back();
    // The next action starts in the next frame; the input waits until all are done.
    return running_.empty();
}

void Gui::fireSignals() {
    // Newest first, each pushed last action first: the actions then run in the order
    // the signals were queued, each transition's in document order.
    while (!signals_.empty()) {
        const auto found = transitions_.find(signals_.back());
        signals_.pop_back();
        if (found == transitions_.end()) continue;
        const std::vector<Action*>& actions = found->second;
        for (auto action = actions.rbegin(); action != actions.rend(); ++action) running_.push_back(*action);
    }
}

bool Gui::onMouseButton(int x, int y, bool pressed, int button) {
    // A button carries where it was pressed: the pointer may have come there while the
    // GUI took no input, and a pointer that does not move again sends no motion.
    mouse_ = screenToGui(x, y, 0.0f);
    for (Window* window : windows_) {
        if (dispatchButton(*window, mouse_, pressed, button, signals_)) return true;
    }
    return false;
}

void Gui::onMouseMove(int x, int y) { mouse_ = screenToGui(x, y, 0.0f); }

bool Gui::onKey(const InputEvent& event) {
    Window* focused = focus();
    if (focused && focused->onKey(event, signals_, *this)) return true;
    if (focus_.take(windows_, event)) return true;
    for (Window* window : windows_) {
        if (dispatchKey(*window, event, signals_, *this)) return true;
    }
    return false;
}

void Gui::draw(const Camera& camera, ScreenspaceRenderer& renderer) {
    const Window* glowHost = focus_.glowHost(windows_);
    for (Window* window : windows_) drawTree(*window, camera, renderer, aspect_, Vector2(), *this, glowHost);
    renderer.flush();
}

Window* Gui::findWindow(const char* name) const {
    for (Window* window : windows_) {
        if (Window* found = findIn(*window, name)) return found;
    }
    return nullptr;
}

ResourceHandle<BitmapFont> Gui::getFont(const std::string& name) const {
    return getResource<BitmapFont>((kFontResourcePrefix + name).c_str(), kFontTypeName);
}

TiXmlDocument* Gui::toXml() const {
    auto* document = new TiXmlDocument;
    document->LinkEndChild(new TiXmlDeclaration("1.0", "utf-8", "yes"));
    auto* root = new TiXmlElement(kElementGui);
    document->LinkEndChild(root);
    auto* fonts = new TiXmlElement(kSectionFonts);
    for (const ResourceHandle<BitmapFont>& font : fonts_) {
        if (!font) continue;
        auto* element = new TiXmlElement(kElementFont);
        element->SetAttribute(kAttributeName, font->name().c_str());
        element->SetAttribute(kAttributeTexture, font->textureName().c_str());
        element->SetAttribute(kAttributeInfo, font->infoName().c_str());
        fonts->LinkEndChild(element);
    }
    root->LinkEndChild(fonts);
    auto* windows = new TiXmlElement(kSectionWindows);
    for (const Window* window : windows_) {
        auto* element = new TiXmlElement(kElementWindow);
        window->toXml(*element);
        windows->LinkEndChild(element);
    }
    root->LinkEndChild(windows);
    auto* transitions = new TiXmlElement(kSectionTransitions);
    for (const auto& transition : transitions_) {
        auto* element = new TiXmlElement(kElementTransition);
        element->SetAttribute(kAttributeCondition, transition.first.c_str());
        for (const Action* action : transition.second) {
            auto* child = new TiXmlElement(kElementAction);
            action->toXml(*child);
            element->LinkEndChild(child);
        }
        transitions->LinkEndChild(element);
    }
    root->LinkEndChild(transitions);
    return document;
}

Vector2 Gui::screenToGui(int px, int py, float grid) const {
    float x = (2.0f * static_cast<float>(px) / static_cast<float>(width_ - 1) - 1.0f) * aspect_;
    float y = 1.0f - 2.0f * static_cast<float>(py) / static_cast<float>(height_ - 1);
    if (grid > 0.0f) {
        x = std::floor(x / grid + 0.5f) * grid;
        y = std::floor(y / grid + 0.5f) * grid;
    }
    return Vector2(x, y);
}

}  // namespace nimbus
