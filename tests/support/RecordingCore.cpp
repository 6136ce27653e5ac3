#include "support/RecordingCore.h"

#include <GL/glew.h>

namespace nimbus {

VertexBuffer* RecordingCore::createVertexBuffer(int32_t count, const VertexFormat& format, bool dynamic) {
    VertexBuffer* buffer = real_.createVertexBuffer(count, format, dynamic);
    buffers.push_back(buffer);
    return buffer;
}

void RecordingCore::draw(PrimitiveType type, int32_t count, int32_t first, VertexBuffer* vertices,
                         IndexBuffer* indices, Shader* shader, const char* technique) {
    Draw d;
    d.count = count;
    d.first = first;
    d.vertices = vertices;
    d.technique = technique ? technique : "";
    glGetIntegerv(GL_SCISSOR_BOX, d.scissor);
    d.scissorEnabled = glIsEnabled(GL_SCISSOR_TEST);
    draws.push_back(d);
    real_.draw(type, count, first, vertices, indices, shader, technique);
}

}  // namespace nimbus
