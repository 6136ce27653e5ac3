#include "ModelBuilder.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

#include "MeshBuilder.h"
#include "Shapes.h"
#include "core/Log.h"
#include "core/posix/FileOutBuffer.h"

namespace nimbus {

namespace {

constexpr size_t kMaxVertices = 65536;  // indices are read back as 16 bits

struct ShapeBuilder {
    ShapeKind kind;
    void (*build)(const PartDescription& part, MeshBuilder& mesh);
};

const ShapeBuilder kBuilders[] = {
    {ShapeKind::Box, buildBox},
    {ShapeKind::Cylinder, buildCylinder},
    {ShapeKind::Sphere, buildSphere},
    {ShapeKind::Prism, buildPrism},
};

// The picture's two directions for a projection along an axis, as the box's sides
// use them: seen from the positive end of the axis, u to the right, v downwards.
void projected(const Vector3& p, int axis, float& a, float& b) {
    switch (axis) {
        case 0:
            a = -p.z;
            b = -p.y;
            break;
        case 1:
            a = p.x;
            b = p.z;
            break;
        default:
            a = p.x;
            b = -p.y;
            break;
    }
}

void mapTexture(const PartDescription& part, MeshBuilder& mesh) {
    if (part.uvMode == UvMode::Swatch) {
        for (BuiltVertex& v : mesh.vertices()) {
            if (!v.mapped) v.u = part.swatch[0], v.v = part.swatch[1];
        }
        return;
    }
    UvRect area = part.area;
    if (!part.hasArea) {
        const float inf = std::numeric_limits<float>::infinity();
        area = {inf, inf, -inf, -inf};
        for (const BuiltVertex& v : mesh.vertices()) {
            float a = 0, b = 0;
            projected(v.position, part.projectAxis, a, b);
            area = {std::min(area.u0, a), std::min(area.v0, b), std::max(area.u1, a), std::max(area.v1, b)};
        }
    }
    const float spanA = area.u1 - area.u0, spanB = area.v1 - area.v0;
    for (BuiltVertex& v : mesh.vertices()) {
        if (v.mapped) continue;
        float a = 0, b = 0;
        projected(v.position, part.projectAxis, a, b);
        const float fa = spanA != 0.0f ? (a - area.u0) / spanA : 0.5f;
        const float fb = spanB != 0.0f ? (b - area.v0) / spanB : 0.5f;
        v.u = part.uv.u0 + fa * (part.uv.u1 - part.uv.u0);
        v.v = part.uv.v0 + fb * (part.uv.v1 - part.uv.v0);
    }
}

const Vector3 kAxes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

void placePart(const PartDescription& part, const MeshBuilder& built, MeshBuilder& model) {
    Matrix44 placement = Matrix44::scaling(part.scale);
    Matrix44 normals = Matrix44::scaling({1.0f / part.scale.x, 1.0f / part.scale.y, 1.0f / part.scale.z});
    for (const Rotation& r : part.rotations) {
        const Matrix44 turn =
            Matrix44::rotation(kAxes[r.axis], r.degrees * static_cast<float>(M_PI) / 180.0f);
        placement = placement * turn;
        normals = normals * turn;
    }
    model.append(built, placement * Matrix44::translation(part.at), normals);
}

}  // namespace

bool buildModel(const ModelDescription& model, const std::string& name, ModelMeshData& mesh) {
    MeshBuilder whole;
    for (const PartDescription& part : model.parts) {
        MeshBuilder built;
        for (const ShapeBuilder& b : kBuilders) {
            if (b.kind == part.kind) b.build(part, built);
        }
        mapTexture(part, built);
        placePart(part, built, whole);
        if (whole.vertices().size() > kMaxVertices) {
            LOG_ERROR(name << ":" << part.line << ": the model passes " << kMaxVertices
                           << " vertices here, more than 16-bit indices reach; use fewer segments");
            return false;
        }
    }
    if (model.stand) {
        float lowest = std::numeric_limits<float>::infinity();
        for (const BuiltVertex& v : whole.vertices()) lowest = std::min(lowest, v.position.y);
        whole.translate({0.0f, -lowest, 0.0f});
    }
    mesh = whole.toModelData(model.texture);
    return true;
}

ModelDescription coarseModel(const ModelDescription& model) {
    ModelDescription coarse = model;
    coarse.parts.clear();
    for (PartDescription part : model.parts) {
        if (part.painted) continue;
        if (part.coarseSegments > 0) part.segments = part.coarseSegments;
        coarse.parts.push_back(part);
    }
    if (coarse.parts.size() < model.parts.size()) coarse.texture = model.paintedTexture;
    return coarse;
}

ModelDescription closedModel(const ModelDescription& model) {
    ModelDescription closed = model;
    for (PartDescription& part : closed.parts) part.openBottom = part.openBottom && !part.bottomAtRest;
    return closed;
}

bool writeModel(const ModelDescription& model, const std::string& name, const std::string& path) {
    ModelMeshData mesh;
    if (!buildModel(model, name, mesh)) return false;
    FileOutBuffer out;
    if (!out.open(path)) {
        LOG_ERROR(path << ": cannot be created - " << systemErrorString(errno));
        return false;
    }
    const bool written = writeModelFile(out, {mesh});
    if (!out.close() || !written) {
        LOG_ERROR(path << ": could not be written");
        return false;
    }
    return true;
}

}  // namespace nimbus
