#include "BoardScene.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "ArtFiles.h"
#include "ContactSheet.h"
#include "ModelRaster.h"
#include "game/DataLayout.h"

namespace nimbus {

namespace {

namespace fs = std::filesystem;

struct ThemeFiles {
    fs::path data, theme;

    std::string find(const std::string& stem, const char* extension) const {
        const fs::path own = data / theme / (stem + extension);
        return (fs::exists(own) ? own : data / kCommonThemeFolder / (stem + extension)).string();
    }
    bool mesh(const std::string& stem, ModelMeshData& mesh, Image& diffuse) const {
        std::vector<ModelMeshData> meshes;
        return readModel(find(stem, ".model"), meshes) && !meshes.empty() &&
               readTextureImage(find((mesh = meshes.front()).texture, ".texture"), diffuse);
    }
};

// The tile colours of the patch, row by row along +z; the die starts on the middle
// one (Start, already visited). Its Green side faces the Green tile at x + 1 and its
// Blue side the Blue tile at -z, so those two get arrows; Cyan at x - 1 and Black at
// +z take no face of the die.
const Pixel kPatch[9] = {
    {1, 0, 0, 1}, {0, 0, 1, 1}, {1, 1, 0, 1},          {0, 1, 1, 1}, {1, 1, 1, 1},
    {0, 1, 0, 1}, {1, 0, 1, 1}, {0.2f, 0.2f, 0.2f, 1}, {1, 1, 1, 1},
};
constexpr int kVisited = 4;  // drawn at a quarter of its colour
const Pixel kWhite{1, 1, 1, 1};

Matrix44 turnedAndPlaced(float radians, const Vector3& at) {
    return Matrix44::rotation({0.0f, 1.0f, 0.0f}, radians) * Matrix44::translation(at);
}

}  // namespace

bool drawBoardScene(ContactSheet& sheet, const std::string& dataDir, const std::string& theme) {
    const ThemeFiles files{dataDir, theme};
    ModelMeshData brick, die, arrow, clock;
    Image tileFace, dieFaces, arrowColours, clockColours, envmap;
    if (!files.mesh("Brick", brick, tileFace) || !files.mesh("Dice", die, dieFaces) ||
        !files.mesh("Arrow", arrow, arrowColours) || !files.mesh("Clock", clock, clockColours) ||
        !readTextureImage(files.find("Envmap", ".texture"), envmap)) {
        return false;
    }
    // The board draws its tiles with the tile face, whatever the brick names.
    if (!readTextureImage(files.find("Soft_shadow", ".texture"), tileFace) || !sheet.hasRoom()) return false;
    ModelRaster raster = sheet.sceneCell();
    raster.fit({0.0f, -0.2f, 0.0f}, {3.0f, 1.0f, 3.0f});
    for (int k = 0; k < 9; ++k) {
        Pixel tint = kPatch[k];
        if (k == kVisited) tint = {tint.r * 0.25f, tint.g * 0.25f, tint.b * 0.25f, 1.0f};
        raster.draw(brick, tileFace, nullptr, Matrix44::translation({k % 3 + 0.5f, -0.1f, k / 3 + 0.5f}),
                    tint);
    }
    raster.draw(die, dieFaces, &envmap, Matrix44::translation({1.5f, 0.5f, 1.5f}), kWhite);
    // The arrows bob outwards from their tiles' centres, heading 0 along +x, pi / 2 along -z.
    const float pi = static_cast<float>(M_PI);
    raster.draw(arrow, arrowColours, &envmap, turnedAndPlaced(0.0f, {2.6f, 0.25f, 1.5f}), kWhite);
    raster.draw(arrow, arrowColours, &envmap, turnedAndPlaced(pi * 0.5f, {1.5f, 0.25f, 0.4f}), kWhite);
    raster.draw(clock, clockColours, &envmap, turnedAndPlaced(0.4f, {0.5f, 0.6f, 2.5f}), kWhite);
    return true;
}

}  // namespace nimbus
