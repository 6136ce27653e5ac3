#pragma once

#include "Image.h"
#include "core/math/Vector3.h"
#include "render/ModelFile.h"

namespace nimbus {

// Draws meshes into a picture the way the game lights its die, roughly: the diffuse
// texture under a key light and some ambient light, plus a reflection looked up in a
// sphere map. An orthographic view along `towardsViewer` (from the model to the eye),
// the model fitted into the picture with a margin. Depth-tested, no anti-aliasing:
// draw at a multiple of the wanted size and halve.
class ModelRaster {
public:
    ModelRaster(const Image& diffuse, const Image* envmap, const Vector3& towardsViewer);

    // Draws the mesh over `target`, fitted to its rectangle (x, y, size × size).
    void draw(const ModelMeshData& mesh, Image& target, int x, int y, int size) const;

private:
    struct Projected {
        float sx, sy, depth;
    };

    Pixel shade(const Vector3& normal, float u, float v) const;

    const Image& diffuse_;
    const Image* envmap_;
    Vector3 back_, right_, up_;
};

}  // namespace nimbus
