#include "ContactSheet.h"

#include <algorithm>

namespace nimbus {

namespace {

constexpr int kScale = 2;
constexpr int kGap = 8;
const Pixel kGround{0.17f, 0.19f, 0.22f, 1.0f};

Pixel over(const Pixel& top, const Pixel& below) {
    const float k = 1.0f - top.a;
    return {top.r + below.r * k, top.g + below.g * k, top.b + below.b * k, top.a + below.a * k};
}

}  // namespace

ContactSheet::ContactSheet(int columns, int rows, int cellSize)
    : columns_(columns), rows_(rows), cell_(cellSize * kScale), canvas_(columns * cell_, rows * cell_) {
    for (int y = 0; y < canvas_.height(); ++y) {
        for (int x = 0; x < canvas_.width(); ++x) canvas_.at(x, y) = kGround;
    }
}

void ContactSheet::cellOrigin(int& x, int& y) const {
    x = (next_ % columns_) * cell_ + kGap;
    y = (next_ / columns_) * cell_ + kGap;
}

void ContactSheet::addPicture(const Image& picture) {
    if (!hasRoom() || picture.empty()) return;
    int x0 = 0, y0 = 0;
    cellOrigin(x0, y0);
    const int room = cell_ - 2 * kGap;
    // Shrink through the mip chain first so the nearest lookups below do not alias.
    Image level = picture;
    while (level.width() > 2 * room && level.height() > 2) level = level.halved();
    const float fit =
        std::min(static_cast<float>(room) / level.width(), static_cast<float>(room) / level.height());
    const int w = std::max(1, static_cast<int>(level.width() * fit));
    const int h = std::max(1, static_cast<int>(level.height() * fit));
    const int left = x0 + (room - w) / 2, top = y0 + (room - h) / 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool light = ((x / 16) + (y / 16)) % 2 == 0;
            const float c = light ? 0.42f : 0.32f;
            const Pixel& p = level.sample((x + 0.5f) / w, (y + 0.5f) / h);
            canvas_.at(left + x, top + y) = over(p, {c, c, c, 1.0f});
        }
    }
    ++next_;
}

ModelRaster ContactSheet::sceneCell() {
    int x0 = 0, y0 = 0;
    cellOrigin(x0, y0);
    ++next_;
    return ModelRaster(canvas_, x0, y0, cell_ - 2 * kGap, {-1.0f, 1.3f, -1.25f});
}

void ContactSheet::addModel(const ModelMeshData& mesh, const Image& diffuse, const Image& envmap) {
    if (!hasRoom()) return;
    ModelRaster raster = sceneCell();
    Vector3 low, high;
    meshBounds(mesh, low, high);
    raster.fit(low, high);
    raster.draw(mesh, diffuse, envmap.empty() ? nullptr : &envmap, Matrix44::identity(),
                {1.0f, 1.0f, 1.0f, 1.0f});
}

}  // namespace nimbus
