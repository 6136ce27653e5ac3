#include "gui/EditorOverlay.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cmath>

#include "gui/windows/Window.h"
#include "render/ViewFit.h"

namespace nimbus {

namespace {

constexpr float kMinorAlpha = 0.15f;
constexpr float kMajorAlpha = 0.35f;  // every fourth line
constexpr float kHandleAlpha = 0.75f;
constexpr int kDiscPoints = 12;
constexpr int kSelectBufferSize = 32;

float lineAlpha(int index) { return index % 4 == 0 ? kMajorAlpha : kMinorAlpha; }

void drawGrid(float aspect, float grid) {
    glBegin(GL_LINES);
    for (int j = static_cast<int>(std::floor(-1.0f / grid)); j < static_cast<int>(std::ceil(1.0f / grid));
         ++j) {
        glColor4f(0.0f, 1.0f, 0.0f, lineAlpha(j));
        glVertex2f(-aspect, static_cast<float>(j) * grid);
        glVertex2f(aspect, static_cast<float>(j) * grid);
    }
    for (int k = static_cast<int>(std::floor(-aspect / grid)); k < static_cast<int>(std::ceil(aspect / grid));
         ++k) {
        glColor4f(0.0f, 1.0f, 0.0f, lineAlpha(k));
        glVertex2f(static_cast<float>(k) * grid, -1.0f);
        glVertex2f(static_cast<float>(k) * grid, 1.0f);
    }
    glEnd();
}

// An L hugging the corner from outside, turned by the corner's angle.
void drawCornerHandle(const Vector2& corner, float degrees, int32_t name, float grid) {
    glPushMatrix();
    glTranslatef(corner.x, corner.y, 0.0f);
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
    glPushName(static_cast<GLuint>(name));
    glBegin(GL_QUADS);
    glVertex2f(-grid, -grid);
    glVertex2f(0.0f, -grid);
    glVertex2f(0.0f, grid);
    glVertex2f(-grid, grid);
    glVertex2f(0.0f, -grid);
    glVertex2f(grid, -grid);
    glVertex2f(grid, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glEnd();
    glPopName();
    glPopMatrix();
}

void drawSelection(const Window& selected, float grid) {
    const Vector2 a = selected.absolutePosition(), h = selected.size() * 0.5f;
    const struct {
        Vector2 corner;
        float degrees;
        int32_t name;
    } corners[] = {
        {Vector2(a.x - h.x, a.y - h.y), 0.0f, kLeftBottomHandle},
        {Vector2(a.x + h.x, a.y - h.y), 90.0f, kRightBottomHandle},
        {Vector2(a.x + h.x, a.y + h.y), 180.0f, kRightTopHandle},
        {Vector2(a.x - h.x, a.y + h.y), 270.0f, kLeftTopHandle},
    };
    glPushMatrix();
    glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    for (const auto& c : corners) glVertex2f(c.corner.x, c.corner.y);
    glEnd();
    glColor4f(1.0f, 0.0f, 0.0f, kHandleAlpha);
    for (const auto& c : corners) drawCornerHandle(c.corner, c.degrees, c.name, grid);
    glPushName(kCentreHandle);
    glBegin(GL_TRIANGLE_FAN);
    for (int k = 0; k < kDiscPoints; ++k) {
        const float angle = 2.0f * static_cast<float>(k) * 3.1416f / static_cast<float>(kDiscPoints - 1);
        glVertex2f(a.x + grid * std::cos(angle), a.y + grid * std::sin(angle));
    }
    glEnd();
    glPopName();
    glPopMatrix();
}

}  // namespace

void drawEditorOverlay(float aspect, float grid, const Window* selected) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The view may fill only part of a full screen (ViewFit).
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    Vector2 min, max;
    ViewFit(viewport[2], viewport[3]).windowExtent({-aspect, -1.0f}, {aspect, 1.0f}, min, max);
    gluOrtho2D(min.x, max.x, min.y, max.y);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthFunc(GL_LEQUAL);
    drawGrid(aspect, grid);
    if (selected) drawSelection(*selected, grid);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

int32_t pickEditorHandle(const Window& selected, const Vector2& point, float grid) {
    GLuint records[kSelectBufferSize] = {};
    glSelectBuffer(kSelectBufferSize, records);
    glRenderMode(GL_SELECT);
    glInitNames();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(point.x - grid, point.x + grid, point.y - grid, point.y + grid);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    drawSelection(selected, grid);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint hits = glRenderMode(GL_RENDER);
    // A record is its name count, two depths, then the names; the outline has none.
    int at = 0;
    for (GLint hit = 0; hit < hits && at + 3 <= kSelectBufferSize; ++hit) {
        const int names = static_cast<int>(records[at]);
        if (names > 0 && at + 3 < kSelectBufferSize) return static_cast<int32_t>(records[at + 3]);
        at += 3 + names;
    }
    return kNoHandle;
}

}  // namespace nimbus
