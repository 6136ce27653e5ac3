#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/math/Vector3.h"

namespace nimbus {

enum class ShapeKind { Box, Cylinder, Sphere, Prism };

// How a part's vertices get their texture coordinates. Project: a planar projection of
// the part along one of its own axes, mapping its extent (or an explicit area) onto the
// uv rectangle, with v growing towards the bottom of the picture. Swatch: every vertex
// samples one point, for parts of a single colour.
enum class UvMode { Project, Swatch };

struct UvRect {
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

struct Rotation {
    int axis = 0;  // 0 x, 1 y, 2 z
    float degrees = 0.0f;
};

// One shape of a model with its size, its placement in the model and its texture
// mapping, as the shape file gives it. Sizes the shape does not use stay at their
// defaults.
struct PartDescription {
    ShapeKind kind = ShapeKind::Box;
    int line = 0;  // where the part starts in its file, for messages

    Vector3 size{1.0f, 1.0f, 1.0f};            // box
    float radius = 0.0f;                       // box corners, cylinder, sphere
    float height = 0.0f;                       // cylinder, prism
    float bevel = 0.0f;                        // cylinder and prism edges
    bool openBottom = false;                   // no base: it stands on a face that hides it
    bool bottomAtRest = false;                 // open only while at rest: the closed build has it
    bool painted = false;                      // in the coarse build, painted rather than modelled
    int segments = 0;                          // 0: the shape's own default
    int coarseSegments = 0;                    // in the coarse build; 0: as in the full one
    std::vector<std::array<float, 2>> points;  // prism outline, x and z

    Vector3 scale{1.0f, 1.0f, 1.0f};
    std::vector<Rotation> rotations;  // applied in order, after the scale
    Vector3 at;

    UvMode uvMode = UvMode::Project;
    int projectAxis = 1;
    UvRect uv;
    bool hasArea = false;
    UvRect area;  // the extent in the part's own coordinates that maps onto `uv`
    float swatch[2] = {0.0f, 0.0f};
    // Box only: a uv rectangle per side, in the order -x, +x, -y, +y, -z, +z.
    std::array<bool, 6> hasFace{};
    std::array<UvRect, 6> faces{};
};

// A whole model: its parts merged into one mesh that names one diffuse texture.
// `stand` lifts the finished mesh so that its lowest point is at y = 0. The coarse build
// of a model with painted parts names `paintedTexture` instead: its picture with those
// parts painted in (see StudPainter).
struct ModelDescription {
    std::string texture;
    std::string paintedTexture;
    bool stand = false;
    std::vector<PartDescription> parts;
};

}  // namespace nimbus
