#include <algorithm>
#include <cmath>
#include <vector>

#include "MeshBuilder.h"
#include "ModelDescription.h"
#include "ShapeLimits.h"
#include "Shapes.h"

namespace nimbus {

namespace {

float component(const Vector3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// Each side's outward normal and the directions of its picture's u and v, so that a
// side seen from outside shows its picture unmirrored and the walls show it upright.
struct SideFrame {
    Vector3 normal, uDirection, vDirection;
};

const SideFrame kSides[6] = {
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},   // -x
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},   // +x
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},   // -y
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},     // +y
    {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}},  // -z
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},    // +z
};

constexpr int kBottom = 2;

int axisOf(const Vector3& direction) { return direction.x != 0 ? 0 : direction.y != 0 ? 1 : 2; }

// Grid lines across one side: the flat middle, and a rounded band at each end whose
// lines are spaced by equal angles of the rounding. The end lines sit exactly on the
// box's edge, so that neighbouring sides meet without cracks.
std::vector<float> gridLines(float half, float radius, int segments) {
    if (radius <= 0.0f) return {-half, half};
    std::vector<float> lines;
    const float flat = half - radius;
    for (int k = segments; k >= 0; --k) {
        const float t =
            std::tan(static_cast<float>(M_PI) * 0.25f * static_cast<float>(k) / static_cast<float>(segments));
        lines.push_back(k == segments ? -half : -flat - radius * t);
    }
    for (int k = 0; k <= segments; ++k) {
        const float t =
            std::tan(static_cast<float>(M_PI) * 0.25f * static_cast<float>(k) / static_cast<float>(segments));
        lines.push_back(k == segments ? half : flat + radius * t);
    }
    return lines;
}

}  // namespace

void buildBox(const PartDescription& part, MeshBuilder& mesh) {
    const Vector3 half = part.size * 0.5f;
    const float r = part.radius;
    const Vector3 inner{half.x - r, half.y - r, half.z - r};
    const int segments = segmentsOf(part);
    for (int side = 0; side < 6; ++side) {
        if (part.openBottom && side == kBottom) continue;
        const SideFrame& frame = kSides[side];
        const int axisU = axisOf(frame.uDirection), axisV = axisOf(frame.vDirection),
                  axisN = axisOf(frame.normal);
        const float halfU = component(half, axisU), halfV = component(half, axisV);
        const std::vector<float> linesU = gridLines(halfU, r, segments);
        const std::vector<float> linesV = gridLines(halfV, r, segments);
        const int first = static_cast<int>(mesh.vertices().size());
        for (float tv : linesV) {
            for (float tu : linesU) {
                const Vector3 p =
                    frame.normal * component(half, axisN) + frame.uDirection * tu + frame.vDirection * tv;
                Vector3 position = p, normal = frame.normal;
                if (r > 0.0f) {
                    const Vector3 q{std::clamp(p.x, -inner.x, inner.x), std::clamp(p.y, -inner.y, inner.y),
                                    std::clamp(p.z, -inner.z, inner.z)};
                    normal = normalise(p - q);
                    position = q + normal * r;
                }
                if (part.hasFace[static_cast<size_t>(side)]) {
                    const UvRect& rect = part.faces[static_cast<size_t>(side)];
                    const float fu = (tu + halfU) / (2.0f * halfU), fv = (tv + halfV) / (2.0f * halfV);
                    mesh.addVertex(position, normal, rect.u0 + fu * (rect.u1 - rect.u0),
                                   rect.v0 + fv * (rect.v1 - rect.v0));
                } else {
                    mesh.addVertex(position, normal);
                }
            }
        }
        const int columns = static_cast<int>(linesU.size());
        for (int row = 0; row + 1 < static_cast<int>(linesV.size()); ++row) {
            for (int column = 0; column + 1 < columns; ++column) {
                const int a = first + row * columns + column;
                mesh.addQuad(a, a + 1, a + 1 + columns, a + columns);
            }
        }
    }
}

}  // namespace nimbus
