#include "render/gl/OglShader.h"

#include <algorithm>
#include <new>

#include "core/Log.h"
#include "core/math/Matrix44.h"
#include "core/math/Transform.h"
#include "core/math/Vector4.h"
#include "render/Texture.h"

namespace nimbus {

namespace {

void drainErrors(fx::Context* context) {
    while (fx::getError(context) != fx::kNoError) {
    }
}

void logListing(fx::Context* context) {
    if (const char* listing = fx::lastListing(context)) LOG_ERROR(listing);
}

}  // namespace

OglShader* OglShader::create(fx::Context* context, const char* text) {
    fx::Effect* effect = fx::createEffect(context, text);
    if (!effect) {
        LOG_ERROR("CG Error while compiling:");
        logListing(context);
        drainErrors(context);
        return nullptr;
    }
    int validated = 0;
    for (fx::Technique* t = fx::firstTechnique(effect); t; t = fx::nextTechnique(t)) {
        if (fx::validateTechnique(t)) ++validated;
    }
    drainErrors(context);
    if (validated == 0) {
        // Without this the effect would vanish silently and only a missing resource
        // would show later.
        LOG_ERROR("No technique of the effect can run:");
        logListing(context);
        fx::destroyEffect(effect);
        return nullptr;
    }
    auto* shader = new (std::nothrow) OglShader(context, effect);
    if (!shader) fx::destroyEffect(effect);
    return shader;
}

OglShader::~OglShader() { fx::destroyEffect(effect_); }

bool OglShader::succeeded() { return fx::getError(context_) == fx::kNoError; }

bool OglShader::setVectorArray(const char* name, const Vector4* values, int32_t count) {
    fx::Parameter* parameter = fx::namedParameter(effect_, name);
    if (!parameter) return false;
    const int32_t n = std::min(fx::arraySize(parameter), count);
    for (int32_t i = 0; i < n; ++i) fx::setParameter4fv(fx::arrayElement(parameter, i), &values[i].x);
    return succeeded();
}

bool OglShader::setMatrixArray(const char* name, const Matrix44* values, int32_t count) {
    fx::Parameter* parameter = fx::namedParameter(effect_, name);
    if (!parameter) return false;
    const int32_t n = std::min(fx::arraySize(parameter), count);
    for (int32_t i = 0; i < n; ++i)
        fx::setMatrixParameterfc(fx::arrayElement(parameter, i), values[i].data());
    return succeeded();
}

bool OglShader::texture(fx::Parameter* parameter, const Texture* texture) {
    if (!parameter) return false;
    if (texture) {
        fx::setupSampler(parameter, texture->getHandle());
    } else {
        fx::disableSampler(parameter);
    }
    return succeeded();
}

bool OglShader::matrix(fx::Parameter* parameter, const Matrix44& matrix) {
    if (!parameter) return false;
    fx::setMatrixParameterfc(parameter, matrix.data());
    return succeeded();
}

bool OglShader::transform(fx::Parameter* parameter, const Transform& transform) {
    if (!parameter) return false;
    // Its rows become the columns of the effect's matrix, which then maps column vectors.
    fx::setMatrixParameterfc(parameter, transform.toMatrix().data());
    return succeeded();
}

bool OglShader::vector(fx::Parameter* parameter, const Vector3& vector) {
    if (!parameter) return false;
    fx::setParameter3f(parameter, vector.x, vector.y, vector.z);
    return succeeded();
}

bool OglShader::scalar(fx::Parameter* parameter, float value) {
    if (!parameter) return false;
    fx::setParameter1f(parameter, value);
    return succeeded();
}

bool OglShader::setTexture(const char* name, const Texture* t) {
    return texture(fx::namedParameter(effect_, name), t);
}
bool OglShader::setMatrix(const char* name, const Matrix44& m) {
    return matrix(fx::namedParameter(effect_, name), m);
}
bool OglShader::setTransform(const char* name, const Transform& t) {
    return transform(fx::namedParameter(effect_, name), t);
}
bool OglShader::setVector(const char* name, const Vector3& v) {
    return vector(fx::namedParameter(effect_, name), v);
}
bool OglShader::setFloat(const char* name, float v) { return scalar(fx::namedParameter(effect_, name), v); }

bool OglShader::setTextureBySemantic(const char* semantic, const Texture* t) {
    return texture(fx::parameterBySemantic(effect_, semantic), t);
}
bool OglShader::setMatrixBySemantic(const char* semantic, const Matrix44& m) {
    return matrix(fx::parameterBySemantic(effect_, semantic), m);
}
bool OglShader::setTransformBySemantic(const char* semantic, const Transform& t) {
    return transform(fx::parameterBySemantic(effect_, semantic), t);
}
bool OglShader::setVectorBySemantic(const char* semantic, const Vector3& v) {
    return vector(fx::parameterBySemantic(effect_, semantic), v);
}
bool OglShader::setFloatBySemantic(const char* semantic, float v) {
    return scalar(fx::parameterBySemantic(effect_, semantic), v);
}

fx::Pass* OglShader::firstPass(const char* technique) {
    fx::Technique* t =
        technique && *technique ? fx::namedTechnique(effect_, technique) : fx::firstTechnique(effect_);
    if (!t || !fx::isTechniqueValidated(t)) return nullptr;
    return fx::firstPass(t);
}

}  // namespace nimbus
