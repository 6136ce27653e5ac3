#pragma once

#include <vector>

#include "Image.h"
#include "core/math/Matrix44.h"
#include "core/math/Vector3.h"
#include "render/ModelFile.h"

namespace nimbus {

// Draws meshes into a square of a picture the way the game lights them, roughly: the
// diffuse texture times a tint under a key light and some ambient light, plus a
// reflection looked up in a sphere map when one is given. An orthographic view along
// `towardsViewer` (from the scene to the eye), depth-tested across every mesh drawn
// through one raster; no anti-aliasing: draw at a multiple of the wanted size and halve.
class ModelRaster {
public:
    ModelRaster(Image& target, int x, int y, int size, const Vector3& towardsViewer);

    // Scales and centres the view so that the box from `low` to `high` fills the square
    // with a margin. Call before drawing.
    void fit(const Vector3& low, const Vector3& high);
    void draw(const ModelMeshData& mesh, const Image& diffuse, const Image* envmap, const Matrix44& placement,
              const Pixel& tint);

private:
    struct Projected {
        float sx, sy, depth;
    };

    Projected project(const Vector3& p) const;
    Pixel shade(const Vector3& normal, const Pixel& texel, const Pixel& tint, const Image* envmap) const;

    Image& target_;
    int x0_, y0_, size_;
    Vector3 back_, right_, up_;
    float scale_ = 1.0f, centreX_ = 0.0f, centreY_ = 0.0f;
    std::vector<float> depth_;
};

// The corners of the box around a mesh's positions.
void meshBounds(const ModelMeshData& mesh, Vector3& low, Vector3& high);

}  // namespace nimbus
