#include "game/scene/WindowScissor.h"

#include <GL/glew.h>

#include <cmath>

#include "core/math/Vector2.h"

namespace nimbus {

void scissorFromCorner(const Vector2& lowerLeft) {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float w = static_cast<float>(viewport[2]), h = static_cast<float>(viewport[3]);
    if (w <= 0.0f || h <= 0.0f) return;
    const GLint x = static_cast<GLint>(std::floor(w * (lowerLeft.x / (w / h) + 1.0f) * 0.5f));
    const GLint y = static_cast<GLint>(std::floor((lowerLeft.y + 1.0f) * h * 0.5f));
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, viewport[2] + 1, viewport[3] + 1);
}

}  // namespace nimbus
