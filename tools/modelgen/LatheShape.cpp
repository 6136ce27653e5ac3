#include <cmath>
#include <vector>

#include "MeshBuilder.h"
#include "ModelDescription.h"
#include "ShapeLimits.h"
#include "Shapes.h"

namespace nimbus {

namespace {

// A point of a profile turned about the y axis: its distance from the axis, its
// height, and the profile's outward normal there. Two points at one place with
// different normals make a crease.
struct ProfilePoint {
    float radius, y, normalRadius, normalY;
};

void addArc(std::vector<ProfilePoint>& profile, float centreR, float centreY, float radius, float fromDegrees,
            float toDegrees, int steps) {
    for (int k = 0; k <= steps; ++k) {
        const float a =
            (fromDegrees + (toDegrees - fromDegrees) * static_cast<float>(k) / static_cast<float>(steps)) *
            static_cast<float>(M_PI) / 180.0f;
        profile.push_back(
            {centreR + radius * std::cos(a), centreY + radius * std::sin(a), std::cos(a), std::sin(a)});
    }
}

void revolve(const std::vector<ProfilePoint>& profile, int segments, MeshBuilder& mesh) {
    const int first = static_cast<int>(mesh.vertices().size());
    for (const ProfilePoint& p : profile) {
        for (int j = 0; j < segments; ++j) {
            const float a =
                2.0f * static_cast<float>(M_PI) * static_cast<float>(j) / static_cast<float>(segments);
            const float c = std::cos(a), s = std::sin(a);
            mesh.addVertex({p.radius * c, p.y, p.radius * s},
                           {p.normalRadius * c, p.normalY, p.normalRadius * s});
        }
    }
    for (int i = 0; i + 1 < static_cast<int>(profile.size()); ++i) {
        for (int j = 0; j < segments; ++j) {
            const int a = first + i * segments + j, b = first + i * segments + (j + 1) % segments;
            mesh.addQuad(a, b, b + segments, a + segments);
        }
    }
}

}  // namespace

void buildCylinder(const PartDescription& part, MeshBuilder& mesh) {
    const float r = part.radius, h = part.height * 0.5f, b = part.bevel;
    const int segments = segmentsOf(part);
    const int bevelSteps = std::max(2, segments / 8);
    std::vector<ProfilePoint> profile;
    // An open cylinder's side starts straight at its foot: no base and no lower bevel.
    if (part.openBottom) {
        profile.push_back({r, -h, 1.0f, 0.0f});
    } else if (b > 0.0f) {
        profile.push_back({0.0f, -h, 0.0f, -1.0f});
        addArc(profile, r - b, -h + b, b, -90.0f, 0.0f, bevelSteps);
    } else {
        profile.insert(profile.end(), {{0.0f, -h, 0.0f, -1.0f}, {r, -h, 0.0f, -1.0f}, {r, -h, 1.0f, 0.0f}});
    }
    if (b > 0.0f) {
        addArc(profile, r - b, h - b, b, 0.0f, 90.0f, bevelSteps);
    } else {
        profile.insert(profile.end(), {{r, h, 1.0f, 0.0f}, {r, h, 0.0f, 1.0f}});
    }
    profile.push_back({0.0f, h, 0.0f, 1.0f});
    revolve(profile, segments, mesh);
}

void buildSphere(const PartDescription& part, MeshBuilder& mesh) {
    const int segments = segmentsOf(part);
    std::vector<ProfilePoint> profile;
    addArc(profile, 0.0f, 0.0f, part.radius, -90.0f, 90.0f, std::max(2, segments / 2));
    // The poles sit exactly on the axis.
    profile.front() = {0.0f, -part.radius, 0.0f, -1.0f};
    profile.back() = {0.0f, part.radius, 0.0f, 1.0f};
    revolve(profile, segments, mesh);
}

}  // namespace nimbus
