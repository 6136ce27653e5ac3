#pragma once

namespace nimbus {

// Red, green, blue, alpha, nominally 0 to 1.
struct Color {
    float e[4] = {0.0f, 0.0f, 0.0f, 0.0f};

    constexpr Color() = default;
    constexpr Color(float r, float g, float b, float a = 1.0f) : e{r, g, b, a} {}
    constexpr float r() const { return e[0]; }
    constexpr float g() const { return e[1]; }
    constexpr float b() const { return e[2]; }
    constexpr float a() const { return e[3]; }
    bool operator==(const Color& o) const {
        return e[0] == o.e[0] && e[1] == o.e[1] && e[2] == o.e[2] && e[3] == o.e[3];
    }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

}  // namespace nimbus
