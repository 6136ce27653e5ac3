#include "render/gl/OglTexture.h"

#include <GL/glew.h>

#include <new>

#include "core/Log.h"
#include "render/Core.h"
#include "render/TextureFile.h"

namespace nimbus {

namespace {

GLenum sourceFormat(int format) {
    switch (format) {
        case 0:
            return GL_RGBA;
        case 1:
            return GL_BGRA;
        case 2:
            return GL_RGB;
        case 3:
            return GL_BGR;
        default:
            return GL_ALPHA;
    }
}

void setColourBias(float bias) {
    glPixelTransferf(GL_RED_BIAS, bias);
    glPixelTransferf(GL_GREEN_BIAS, bias);
    glPixelTransferf(GL_BLUE_BIAS, bias);
}

// Alpha-only pictures (the font atlases, a megapixel each) keep one byte a texel where
// the driver can show them white through a swizzle, instead of four.
bool alphaKeptAlone() { return GLEW_VERSION_3_3 || GLEW_ARB_texture_swizzle || GLEW_EXT_texture_swizzle; }

// So that a result reflects only the call that follows.
void forgetGlErrors() {
    while (glGetError() != GL_NO_ERROR) {
    }
}

}  // namespace

OglTexture* OglTexture::create(const TextureHeader& header, const void* pixels, int64_t pixelBytes) {
    const int64_t chain = mipChainBytes(header);
    if (chain < 0) {
        LOG_ERROR("Cannot make a texture of format " << header.format << ", " << header.width << " x "
                                                     << header.height << ", " << header.mipCount
                                                     << " mip levels");
        return nullptr;
    }
    if (pixels && pixelBytes < chain) {
        LOG_ERROR("Cannot make a texture: its mip chain needs " << chain << " bytes but " << pixelBytes
                                                                << " were given");
        return nullptr;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, header.mipCount - 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    header.mipCount == 1 ? GL_LINEAR : GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    const GLenum format = sourceFormat(header.format);
    const int bpp = bytesPerPixel(header.format);
    // Alpha-only files are white with their alpha.
    GLint stored = GL_RGBA;
    if (format == GL_ALPHA && alphaKeptAlone()) {
        stored = GL_ALPHA8;
        const GLint white[4] = {GL_ONE, GL_ONE, GL_ONE, GL_ALPHA};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, white);
    } else if (format == GL_ALPHA) {
        setColourBias(1.0f);
    }
    const auto* source = static_cast<const uint8_t*>(pixels);
    GLsizei width = header.width, height = header.height;
    for (GLint level = 0; level < header.mipCount; ++level) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, level, stored, width, height, 0, format, GL_UNSIGNED_BYTE, nullptr);
        if (source) {
            glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, width, height, format, GL_UNSIGNED_BYTE, source);
            source += static_cast<size_t>(bpp) * width * height;
        }
        width /= 2;
        height /= 2;
    }
    setColourBias(0.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    auto* texture = new (std::nothrow) OglTexture(name, header.width, header.height, stored == GL_ALPHA8);
    if (!texture) glDeleteTextures(1, &name);
    return texture;
}

OglTexture::~OglTexture() {
    if (name_ != 0 && glIsTexture(name_)) glDeleteTextures(1, &name_);
}

bool OglTexture::readPixels(void* buffer, int64_t size) {
    if (size != static_cast<int64_t>(width_) * height_ * 4) return false;
    forgetGlErrors();
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (alphaAlone_) {
        // Reading back does not pass through the swizzle: the alpha is spread out over
        // the buffer from its end, white put back beside it.
        glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, buffer);
        auto* bytes = static_cast<uint8_t*>(buffer);
        for (int64_t i = static_cast<int64_t>(width_) * height_ - 1; i >= 0; --i) {
            bytes[4 * i + 3] = bytes[i];
            bytes[4 * i] = bytes[4 * i + 1] = bytes[4 * i + 2] = 255;
        }
    } else {
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, buffer);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
    return glGetError() == GL_NO_ERROR;
}

bool OglTexture::copyFromScreen(Core& core) {
    int32_t width = 0, height = 0;
    core.getSize(width, height);
    if (width == 0 || height == 0) return false;
    forgetGlErrors();
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name_);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 0, 0, width, height, 0);
    if (alphaAlone_) {
        const GLint asStored[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, asStored);
        alphaAlone_ = false;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
    if (glGetError() != GL_NO_ERROR) return false;
    // Level 0 now has the window's size; readPixels must check against that one, or it
    // would let GL write a window's worth of pixels into a texture-sized buffer.
    width_ = width;
    height_ = height;
    return true;
}

}  // namespace nimbus
