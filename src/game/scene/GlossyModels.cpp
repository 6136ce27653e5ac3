#include "game/scene/GlossyModels.h"

#include "render/Camera.h"
#include "render/Core.h"
#include "render/Mesh.h"
#include "render/Shader.h"

namespace nimbus {

GlossyModels::GlossyModels(Shader& effect, const Camera& camera, const Texture* envmap) : effect_(effect) {
    camera.apply(effect_);
    effect_.setTexture("g_envmapTexture", envmap);
    effect_.setVector("g_cameraX", camera.world.x);
    effect_.setVector("g_cameraY", camera.world.y);
    effect_.setVector("g_cameraPosition", camera.world.t);
}

void GlossyModels::draw(const Mesh& mesh, const Matrix44& transform, const Texture* symbols,
                        const char* technique) {
    Core* gl = core();
    if (!gl) return;
    const Mesh::Textures& textures = mesh.getTextures();
    effect_.setTexture("g_diffuseTexture", textures.empty() ? nullptr : textures.front().get());
    effect_.setMatrix("g_modelTransform", transform);
    effect_.setTexture("g_symbolTexture", symbols);
    effect_.setFloat("g_symbols", symbols ? 1.0f : 0.0f);
    gl->draw(mesh.getPrimitiveType(), mesh.getElementCount(), 0, mesh.getVertexBuffer(),
             mesh.getIndexBuffer(), &effect_, technique);
}

Matrix44 turnedAndPlaced(float radians, const Vector3& at) {
    return Matrix44::rotation({0.0f, 1.0f, 0.0f}, radians) * Matrix44::translation(at);
}

}  // namespace nimbus
