#include "ShapeLimits.h"

#include <algorithm>
#include <cmath>

#include "Polygon.h"

namespace nimbus {

namespace {

struct ShapeRules {
    ShapeKind kind;
    int defaultSegments;
    int minimumSegments;
    std::string (*check)(const PartDescription& part);
};

bool inRange(float value, float low, float high) { return value >= low && value <= high; }

std::string checkBox(const PartDescription& p) {
    if (!inRange(p.size.x, 1e-3f, kMaxExtent) || !inRange(p.size.y, 1e-3f, kMaxExtent) ||
        !inRange(p.size.z, 1e-3f, kMaxExtent)) {
        return "a box needs a size above 0 and up to 16 on every axis";
    }
    if (!inRange(p.radius, 0.0f, 0.5f * std::min({p.size.x, p.size.y, p.size.z}))) {
        return "a box's corner radius must lie between 0 and half its smallest side";
    }
    return "";
}

std::string checkCylinder(const PartDescription& p) {
    if (!inRange(p.radius, 1e-3f, kMaxExtent) || !inRange(p.height, 1e-3f, kMaxExtent)) {
        return "a cylinder needs a radius and a height above 0 and up to 16";
    }
    if (!inRange(p.bevel, 0.0f, std::min(p.radius, 0.5f * p.height))) {
        return "a cylinder's bevel must lie between 0 and the smaller of its radius and half its height";
    }
    return "";
}

std::string checkSphere(const PartDescription& p) {
    if (!inRange(p.radius, 1e-3f, kMaxExtent)) return "a sphere needs a radius above 0 and up to 16";
    return "";
}

std::string checkPrism(const PartDescription& p) {
    if (p.points.size() < 3) return "a prism needs at least 3 points";
    for (const auto& xz : p.points) {
        if (!inRange(std::fabs(xz[0]), 0.0f, kMaxExtent) || !inRange(std::fabs(xz[1]), 0.0f, kMaxExtent)) {
            return "a prism point lies further than 16 from the origin";
        }
    }
    if (!isSimplePolygon(p.points)) return "the prism outline crosses itself or has no area";
    if (!inRange(p.height, 1e-3f, kMaxExtent)) return "a prism needs a height above 0 and up to 16";
    if (!inRange(p.bevel, 0.0f, 0.49f * p.height)) return "a prism's bevel must be below half its height";
    if (p.bevel > 0.0f && !insetStaysSimple(p.points, p.bevel)) {
        return "the prism's bevel is too wide for its outline";
    }
    return "";
}

const ShapeRules kRules[] = {
    {ShapeKind::Box, 4, 1, checkBox},
    {ShapeKind::Cylinder, 32, 3, checkCylinder},
    {ShapeKind::Sphere, 24, 4, checkSphere},
    {ShapeKind::Prism, 3, 1, checkPrism},
};

const ShapeRules& rulesOf(ShapeKind kind) {
    for (const ShapeRules& r : kRules) {
        if (r.kind == kind) return r;
    }
    return kRules[0];
}

}  // namespace

int segmentsOf(const PartDescription& part) {
    return part.segments > 0 ? part.segments : rulesOf(part.kind).defaultSegments;
}

std::string checkPart(const PartDescription& part) {
    const ShapeRules& rules = rulesOf(part.kind);
    if (segmentsOf(part) < rules.minimumSegments ||
        (part.coarseSegments > 0 && part.coarseSegments < rules.minimumSegments)) {
        return "this shape needs at least " + std::to_string(rules.minimumSegments) + " segments";
    }
    if (!inRange(part.scale.x, 1e-3f, kMaxExtent) || !inRange(part.scale.y, 1e-3f, kMaxExtent) ||
        !inRange(part.scale.z, 1e-3f, kMaxExtent)) {
        return "scale must lie above 0 and up to 16 on every axis";
    }
    return rules.check(part);
}

}  // namespace nimbus
