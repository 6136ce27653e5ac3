#include "game/scene/WindowScissor.h"

#include <GL/glew.h>

#include <cmath>

#include "core/math/Vector2.h"
#include "render/ViewFit.h"
#include "render/ViewSize.h"

namespace nimbus {

void scissorFromCorner(const Vector2& lowerLeft) {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0) return;
    const ViewFit fit(viewport[2], viewport[3]);
    Vector2 windowMin, windowMax;
    fit.windowExtent(kViewMin, kViewMax, windowMin, windowMax);
    // Only the lower-left corner cuts; the upper right stays open.
    Vector2 corner = lowerLeft, upperRight = kViewMax;
    fit.reachWindow(kViewMin, kViewMax, corner, upperRight);
    const float w = static_cast<float>(viewport[2]), h = static_cast<float>(viewport[3]);
    const GLint x =
        static_cast<GLint>(std::floor((corner.x - windowMin.x) / (windowMax.x - windowMin.x) * w));
    const GLint y =
        static_cast<GLint>(std::floor((corner.y - windowMin.y) / (windowMax.y - windowMin.y) * h));
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport[0] + x, viewport[1] + y, viewport[2] + 1, viewport[3] + 1);
}

}  // namespace nimbus
