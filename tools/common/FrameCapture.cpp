#include "FrameCapture.h"

#include <GL/glew.h>

#include <algorithm>
#include <vector>

#include "PngFile.h"

namespace nimbus {

bool writeFramePng(const char* path, int width, int height, bool greyscale) {
    const size_t stride = static_cast<size_t>(width) * 4;
    std::vector<unsigned char> frame(stride * height), rows(stride * height);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    // GL counts rows from the bottom, the picture from the top; the frame is opaque.
    for (int y = 0; y < height; ++y) {
        std::copy_n(&frame[(height - 1 - y) * stride], stride, &rows[y * stride]);
        for (size_t x = 0; x < stride; x += 4) {
            unsigned char* pixel = &rows[y * stride + x];
            if (greyscale) {
                // The luma weights of television, which follow the eye's sensitivity.
                const float luma = 0.299f * pixel[0] + 0.587f * pixel[1] + 0.114f * pixel[2];
                std::fill_n(pixel, 3, static_cast<unsigned char>(luma + 0.5f));
            }
            pixel[3] = 255;
        }
    }
    return writePng(path, width, height, rows.data());
}

}  // namespace nimbus
