#include "game/windows/BackgroundWindow.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdlib>

#include "core/ResourceManager.h"
#include "core/math/Matrix44.h"
#include "game/scene/Backdrop.h"
#include "game/scene/WindowScissor.h"
#include "gui/GuiNames.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/ViewSize.h"

namespace nimbus {

namespace {

constexpr float kPi = 3.14159265f;
// Drawing start places one die after another can paint itself into a corner: in about
// one deal in eight the last dice find no free place at all, and redrawing would never
// end. A die that finds none in this many draws makes the whole deal start again; about
// one deal in four does, and a run of a hundred failing deals never happens (if it did,
// the last deal would be kept, crowded, rather than the menu hang).
constexpr int kMaxDraws = 2000;
constexpr int kMaxDeals = 100;

float uniform() { return static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX); }
float signedUniform() { return uniform() * 2.0f - 1.0f; }

}  // namespace

BackgroundWindow::BackgroundWindow(const WindowAttributes& attributes)
    : Window(attributes),
      fov_(kPi / 6.0f),
      aspect_(kViewAspect),
      mesh_(getResource<Mesh>("Meshes/Dice_coarse", "Mesh")),
      effect_(getResource<Shader>("Shaders/Cel", "Shader")),
      hexagons_(getResource<Texture>("Textures/hexagons", "Texture")) {
    dealOut();
}

void BackgroundWindow::dealOut() {
    for (int attempt = 0; attempt < kMaxDeals; ++attempt) {
        if (deal()) break;
    }
}

bool BackgroundWindow::deal() {
    bool placedAll = true;
    for (int32_t i = 0; i < kDiceCount && placedAll; ++i) placedAll = place(i);
    return placedAll;
}

// Columns two units apart across the view and depths from 4 to 24 in steps of two, the
// column still inside the view at that depth; the height anywhere in the view.
bool BackgroundWindow::place(int32_t index) {
    FallingDie& die = dice_[index];
    const float halfView = std::tan(std::atan(std::tan(fov_) * aspect_) * 0.5f);
    const float range = 24.0f * halfView;
    bool placed = false;
    for (int draw = 0; draw < kMaxDraws && !placed; ++draw) {
        float x = 0.0f, depth = 0.0f;
        do {
            x = 2.0f * std::floor(signedUniform() * range * 0.5f + 0.5f);
            depth = 2.0f * std::floor((uniform() * 20.0f + 4.0f) * 0.5f + 0.5f);
        } while ((std::fabs(x) - 1.0f) / depth > halfView);
        die.position = {x, signedUniform() * depth * std::tan(fov_ * 0.5f), -depth, 1.0f};
        placed = !overlapsAnother(index);
    }
    die.axis = Vector4(normalise({signedUniform(), signedUniform(), signedUniform()}), 0.0f);
    die.angle = 0.0f;
    return placed;
}

bool BackgroundWindow::overlapsAnother(int32_t index) const {
    const Vector4& p = dice_[index].position;
    for (int32_t other = 0; other < index; ++other) {
        const Vector4& q = dice_[other].position;
        if (std::fabs(p.y - q.y) <= kMinimumGap && (p.x == q.x || p.z == q.z)) return true;
    }
    return false;
}

TiXmlElement& BackgroundWindow::toXml(TiXmlElement& element) const {
    writeXml(element, kClassBackground);
    return element;
}

void BackgroundWindow::update(float dt, SignalQueue&, Gui&, const Vector2&) {
    time_ += dt;
    const float below = std::tan(fov_);
    for (FallingDie& die : dice_) {
        die.position.y -= dt;
        die.angle += dt;
        // Out of the bottom of the view: back in just above its top edge.
        if (std::fabs(die.position.y - 1.0f) / -die.position.z > below) {
            die.position.y = 1.0f - std::tan(fov_ * 0.5f) * die.position.z;
        }
    }
}

// The pattern slides sideways and rocks to and fro, once every twenty seconds.
void BackgroundWindow::drawPattern(ScreenspaceRenderer& renderer, float aspect) const {
    const float a = time_ * 0.1f * kPi;
    const float s = std::sin(a), k = 0.1f * kPi * std::cos(a), n = 1.0f / std::sqrt(k * k + 1.0f);
    const float corners[4][2] = {{-aspect, -1.0f}, {aspect, -1.0f}, {aspect, 1.0f}, {-aspect, 1.0f}};
    float uv[4][2];
    for (int i = 0; i < 4; ++i) {
        const float x = corners[i][0] - s, y = corners[i][1];
        uv[i][0] = x * n + y * k * n;
        uv[i][1] = 0.872f * (y * n - x * k * n);
    }
    drawBackdrop(renderer, hexagons_, aspect, uv, 1.0f);
}

void BackgroundWindow::draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
                            const Vector2& parentAbsolute, Gui&) {
    Core* gl = core();
    if (!mesh_ || !effect_ || !gl) return drawPattern(renderer, aspect);
    if (camera.aspect != aspect_) {
        aspect_ = camera.aspect;
        dealOut();
    }
    scissorFromCorner(parentAbsolute + position() - size() * 0.5f);
    Shader& effect = *effect_;
    camera.apply(effect);
    const Mesh::Textures& textures = mesh_->getTextures();
    effect.setTexture("g_diffuseTexture", textures.empty() ? nullptr : textures.front().get());
    for (const FallingDie& die : dice_) {
        effect.setMatrix("g_modelTransform", Matrix44::rotation(die.axis.xyz(), die.angle) *
                                                 Matrix44::translation(die.position.xyz()));
        // Further dice get a thicker shell, so their outline keeps its width on screen.
        effect.setFloat("g_outlineScale", 1.0f - 0.005f * die.position.z);
        gl->draw(mesh_->getPrimitiveType(), mesh_->getElementCount(), 0, mesh_->getVertexBuffer(),
                 mesh_->getIndexBuffer(), &effect, "Technique1");
    }
    glDisable(GL_SCISSOR_TEST);
    // Behind the dice, so the pixels they cover are filled once.
    drawPattern(renderer, aspect);
}

Window* createBackgroundWindow(const TiXmlElement* element, Gui&) {
    WindowAttributes attributes;
    if (!Window::parseWindowAttributes(element, attributes)) return nullptr;
    return new BackgroundWindow(attributes);
}

}  // namespace nimbus
