#pragma once

#include <cstdint>

#include "core/ResourceHandle.h"
#include "core/math/Vector4.h"
#include "gui/windows/Window.h"
#include "render/Mesh.h"
#include "render/Shader.h"
#include "render/Texture.h"

class TiXmlElement;

namespace nimbus {

class Gui;

// The menus' moving backdrop, GUI class "background": a hexagon pattern that slides and
// rocks over a grey gradient, and in front of it sixteen cartoon dice falling and
// spinning through the view, each coming back in at the top when it has left at the
// bottom. Takes no input. Draws with "Meshes/Dice_coarse", "Shaders/Cel" and
// "Textures/hexagons", fetched when it is made; without the mesh or the effect only
// the pattern is drawn.
class BackgroundWindow : public Window {
public:
    static constexpr int32_t kDiceCount = 16;
    // Dice closer than this in height may not share a column or a depth at the start.
    static constexpr float kMinimumGap = 4.0f;

    // A die of the backdrop: its place (x, y, z), the axis it spins about and how far it
    // has turned (radians).
    struct FallingDie {
        Vector4 position;
        Vector4 axis;
        float angle = 0.0f;
    };

    // Deals the dice out at random over the view, no two too close, in a bounded time;
    // a camera of another width (a full screen wider than the view) deals them again
    // over what it shows.
    explicit BackgroundWindow(const WindowAttributes& attributes);

    TiXmlElement& toXml(TiXmlElement& element) const override;
    bool clipsChildren() const override { return true; }
    // Lets the dice fall one unit and turn one radian a second.
    void update(float dt, SignalQueue& signals, Gui& gui, const Vector2& pointer) override;
    void draw(const Camera& camera, ScreenspaceRenderer& renderer, float aspect,
              const Vector2& parentAbsolute, Gui& gui) override;

    const FallingDie& die(int32_t index) const { return dice_[index]; }
    float time() const { return time_; }

private:
    // Deals until every die has a place, or gives up crowded.
    void dealOut();
    // Places every die; false when one found no free place.
    bool deal();
    bool place(int32_t index);
    bool overlapsAnother(int32_t index) const;
    void drawPattern(ScreenspaceRenderer& renderer, float aspect) const;

    float time_ = 0.0f;
    float fov_;
    float aspect_;
    ResourceHandle<Mesh> mesh_;
    ResourceHandle<Shader> effect_;
    FallingDie dice_[kDiceCount];
    ResourceHandle<Texture> hexagons_;
};

// The window factory's creator for class "background": null, reported, when the element
// lacks what every window needs.
Window* createBackgroundWindow(const TiXmlElement* element, Gui& gui);

}  // namespace nimbus
