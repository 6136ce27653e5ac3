#pragma once

#include "core/math/Matrix44.h"

namespace nimbus {

class Mesh;
class Shader;
class Texture;
struct Camera;

// Drawing of the shiny models (the die, the pick-ups and the arrows) through the
// "Shaders/Dice" effect: the camera and the reflection are set once, then each model
// brings its own picture and placement.
class GlossyModels {
public:
    // The techniques: solid, and see-through (a ghost, drawn after everything solid).
    static constexpr const char* kSolid = "Technique1";
    static constexpr const char* kSeeThrough = "Ghost";

    // Sets the camera, the environment map and the camera's axes and position on the
    // effect.
    GlossyModels(Shader& effect, const Camera& camera, const Texture* envmap);

    // Draws the mesh with its diffuse texture (the first of its list) placed by
    // `transform`, with the technique given. Given the symbol texture, the die marks
    // each face with its colour's symbol (the die's texture has a face where the symbol
    // texture has that face's symbol).
    void draw(const Mesh& mesh, const Matrix44& transform, const Texture* symbols = nullptr,
              const char* technique = kSolid);

private:
    Shader& effect_;
};

// A turn about the vertical axis by `radians` (x turning towards -z), then a move to `at`.
Matrix44 turnedAndPlaced(float radians, const Vector3& at);

}  // namespace nimbus
