#pragma once

#include <cstdint>

namespace nimbus {

namespace fx {
struct Pass;
}  // namespace fx

class Texture;
struct Matrix44;
struct Transform;
struct Vector3;
struct Vector4;

// A compiled effect: techniques of passes over named parameters. Made only by the core's
// createShader and owned by its resource. Parameter values live in the effect and hold
// for every later pass and draw until set again.
//
// Every setter returns false when the effect declares no such parameter (nothing changes
// then), otherwise true exactly when the effect runtime reported no error for the call.
// Names and semantics are matched exactly.
class Shader {
public:
    virtual ~Shader() = default;

    // Sets elements 0 .. n-1 of an array of vec4, n = min(declared size, count).
    virtual bool setVectorArray(const char* name, const Vector4* values, int32_t count) = 0;
    // Binds the texture to a sampler; null unbinds it.
    virtual bool setTexture(const char* name, const Texture* texture) = 0;
    // Sets elements 0 .. n-1 of an array of mat4, n = min(declared size, count).
    virtual bool setMatrixArray(const char* name, const Matrix44* values, int32_t count) = 0;
    // Hands the matrix's 16 floats over as stored; the effect reads them column-major.
    virtual bool setMatrix(const char* name, const Matrix44& matrix) = 0;
    // Sends the transform as a matrix whose columns are its axes and translation.
    virtual bool setTransform(const char* name, const Transform& transform) = 0;
    // Sets x, y and z of a vector parameter.
    virtual bool setVector(const char* name, const Vector3& vector) = 0;
    virtual bool setFloat(const char* name, float value) = 0;

    // The same setters, with the parameter found by its semantic.
    virtual bool setTextureBySemantic(const char* semantic, const Texture* texture) = 0;
    virtual bool setMatrixBySemantic(const char* semantic, const Matrix44& matrix) = 0;
    virtual bool setTransformBySemantic(const char* semantic, const Transform& transform) = 0;
    virtual bool setVectorBySemantic(const char* semantic, const Vector3& vector) = 0;
    virtual bool setFloatBySemantic(const char* semantic, float value) = 0;

    // The first pass of the named technique (null or empty: the first technique), or null
    // when there is no such technique or it did not validate.
    virtual fx::Pass* firstPass(const char* technique) = 0;
    // Called by the core after the last pass of a draw.
    virtual void endTechnique() = 0;
};

// Registers an effect (may be null) as a "Shader" resource under the name.
bool registerShader(const char* name, Shader* shader);

}  // namespace nimbus
