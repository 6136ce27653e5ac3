#include "Polygon.h"

#include <algorithm>
#include <cmath>

namespace nimbus {

namespace {

using Point = std::array<float, 2>;

float cross(const Point& o, const Point& a, const Point& b) {
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
}

bool onSegment(const Point& p, const Point& a, const Point& b) {
    return std::min(a[0], b[0]) <= p[0] && p[0] <= std::max(a[0], b[0]) && std::min(a[1], b[1]) <= p[1] &&
           p[1] <= std::max(a[1], b[1]);
}

bool segmentsMeet(const Point& a, const Point& b, const Point& c, const Point& d) {
    const float d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    return (d1 == 0 && onSegment(a, c, d)) || (d2 == 0 && onSegment(b, c, d)) ||
           (d3 == 0 && onSegment(c, a, b)) || (d4 == 0 && onSegment(d, a, b));
}

bool insideTriangle(const Point& p, const Point& a, const Point& b, const Point& c) {
    return cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0;
}

}  // namespace

float signedArea2(const Outline& outline) {
    float sum = 0.0f;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Point& a = outline[i];
        const Point& b = outline[(i + 1) % outline.size()];
        sum += a[0] * b[1] - b[0] * a[1];
    }
    return sum;
}

Outline counterClockwise(const Outline& outline) {
    Outline out = outline;
    if (signedArea2(out) < 0.0f) std::reverse(out.begin(), out.end());
    return out;
}

bool isSimplePolygon(const Outline& outline) {
    const size_t n = outline.size();
    if (n < 3 || std::fabs(signedArea2(outline)) < 1e-6f) return false;
    for (size_t i = 0; i < n; ++i) {
        const Point& a = outline[i];
        const Point& b = outline[(i + 1) % n];
        if (a == b) return false;
        for (size_t j = i + 1; j < n; ++j) {
            const bool neighbours = j == i + 1 || (i == 0 && j == n - 1);
            if (neighbours) continue;
            if (segmentsMeet(a, b, outline[j], outline[(j + 1) % n])) return false;
        }
    }
    return true;
}

Outline inset(const Outline& ccw, float distance) {
    const size_t n = ccw.size();
    Outline out(n);
    for (size_t i = 0; i < n; ++i) {
        const Point& prev = ccw[(i + n - 1) % n];
        const Point& p = ccw[i];
        const Point& next = ccw[(i + 1) % n];
        const auto inward = [](const Point& a, const Point& b) {
            const float dx = b[0] - a[0], dz = b[1] - a[1];
            const float l = std::sqrt(dx * dx + dz * dz);
            return Point{-dz / l, dx / l};
        };
        const Point n1 = inward(prev, p), n2 = inward(p, next);
        const float k = distance / (1.0f + n1[0] * n2[0] + n1[1] * n2[1]);
        out[i] = {p[0] + (n1[0] + n2[0]) * k, p[1] + (n1[1] + n2[1]) * k};
    }
    return out;
}

bool insetStaysSimple(const Outline& outline, float distance) {
    const Outline ccw = counterClockwise(outline);
    const Outline inner = inset(ccw, distance);
    if (!isSimplePolygon(inner) || signedArea2(inner) <= 0.0f) return false;
    // Insetting a convex outline past its inner radius turns it inside out through its
    // middle: the result is simple and keeps its orientation, but every edge runs
    // backwards. An edge that still runs its own way has not collapsed.
    for (size_t i = 0; i < ccw.size(); ++i) {
        const size_t j = (i + 1) % ccw.size();
        const float along = (ccw[j][0] - ccw[i][0]) * (inner[j][0] - inner[i][0]) +
                            (ccw[j][1] - ccw[i][1]) * (inner[j][1] - inner[i][1]);
        if (along <= 0.0f) return false;
    }
    return true;
}

std::vector<std::array<int, 3>> triangulate(const Outline& ccw) {
    std::vector<int> left(ccw.size());
    for (size_t i = 0; i < left.size(); ++i) left[i] = static_cast<int>(i);
    std::vector<std::array<int, 3>> triangles;
    // A simple outline always has an ear; the guard only stops a damaged one from looping.
    size_t guard = left.size() * left.size();
    while (left.size() > 3 && guard-- > 0) {
        for (size_t i = 0; i < left.size(); ++i) {
            const int a = left[(i + left.size() - 1) % left.size()], b = left[i],
                      c = left[(i + 1) % left.size()];
            if (cross(ccw[a], ccw[b], ccw[c]) <= 0) continue;
            bool ear = true;
            for (int other : left) {
                if (other != a && other != b && other != c &&
                    insideTriangle(ccw[other], ccw[a], ccw[b], ccw[c])) {
                    ear = false;
                    break;
                }
            }
            if (!ear) continue;
            triangles.push_back({a, b, c});
            left.erase(left.begin() + static_cast<long>(i));
            break;
        }
    }
    if (left.size() == 3) triangles.push_back({left[0], left[1], left[2]});
    return triangles;
}

}  // namespace nimbus
