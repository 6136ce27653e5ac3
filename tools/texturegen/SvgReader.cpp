#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cstdint>

#include "Image.h"
#include "PictureSource.h"
#include "core/Log.h"

namespace nimbus {

namespace {

// Cairo holds premultiplied ARGB in native-endian 32-bit words.
void copySurface(cairo_surface_t* surface, Image& image) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height(); ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t v = row[x];
            image.at(x, y) = {
                static_cast<float>((v >> 16) & 0xFF) / 255.0f, static_cast<float>((v >> 8) & 0xFF) / 255.0f,
                static_cast<float>(v & 0xFF) / 255.0f, static_cast<float>((v >> 24) & 0xFF) / 255.0f};
        }
    }
}

}  // namespace

bool rasteriseSvg(const std::string& path, int width, int height, Image& image) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!handle) {
        LOG_ERROR(path << ": " << (error ? error->message : "cannot be read as SVG"));
        if (error) g_error_free(error);
        return false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    const RsvgRectangle viewport = {0.0, 0.0, static_cast<double>(width), static_cast<double>(height)};
    const bool drawn = rsvg_handle_render_document(handle, cr, &viewport, &error);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const bool ok = drawn && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        image = Image(width, height);
        copySurface(surface, image);
    } else {
        LOG_ERROR(path << ": " << (error ? error->message : "cannot be drawn"));
    }
    if (error) g_error_free(error);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    return ok;
}

}  // namespace nimbus
