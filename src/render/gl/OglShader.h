#pragma once

#include "render/Shader.h"
#include "render/fx/Fx.h"

namespace nimbus {

// An effect of our runtime. Owns the compiled effect; the context must outlive it.
class OglShader : public Shader {
public:
    // Compiles the text and validates every technique. Null, with the compiler's
    // listing logged, when the text does not compile or no technique can run.
    static OglShader* create(fx::Context* context, const char* text);
    ~OglShader() override;
    OglShader(const OglShader&) = delete;
    OglShader& operator=(const OglShader&) = delete;

    bool setVectorArray(const char* name, const Vector4* values, int32_t count) override;
    bool setTexture(const char* name, const Texture* texture) override;
    bool setMatrixArray(const char* name, const Matrix44* values, int32_t count) override;
    bool setMatrix(const char* name, const Matrix44& matrix) override;
    bool setTransform(const char* name, const Transform& transform) override;
    bool setVector(const char* name, const Vector3& vector) override;
    bool setFloat(const char* name, float value) override;

    bool setTextureBySemantic(const char* semantic, const Texture* texture) override;
    bool setMatrixBySemantic(const char* semantic, const Matrix44& matrix) override;
    bool setTransformBySemantic(const char* semantic, const Transform& transform) override;
    bool setVectorBySemantic(const char* semantic, const Vector3& vector) override;
    bool setFloatBySemantic(const char* semantic, float value) override;

    fx::Pass* firstPass(const char* technique) override;
    void endTechnique() override {}

private:
    OglShader(fx::Context* context, fx::Effect* effect) : context_(context), effect_(effect) {}

    // True when the call raised no error in the context.
    bool succeeded();
    bool texture(fx::Parameter* parameter, const Texture* texture);
    bool matrix(fx::Parameter* parameter, const Matrix44& matrix);
    bool transform(fx::Parameter* parameter, const Transform& transform);
    bool vector(fx::Parameter* parameter, const Vector3& vector);
    bool scalar(fx::Parameter* parameter, float value);

    fx::Context* context_;
    fx::Effect* effect_;
};

}  // namespace nimbus
