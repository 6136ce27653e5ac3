// The contact sheet: nimbus_contactsheet DATA_DIR OUTPUT.png draws every texture of the
// themes, the front end and the fonts, every model lit with the texture it names, and a
// corner of a board in each theme, into one PNG. Exits 1, with the file named, when a
// file cannot be read or the sheet written.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ArtFiles.h"
#include "BoardScene.h"
#include "ContactSheet.h"
#include "PngFile.h"
#include "core/Log.h"
#include "game/DataLayout.h"

namespace fs = std::filesystem;

namespace {

const char* const kFolders[] = {nimbus::kCommonThemeFolder, nimbus::kPlayedThemeFolder,
                                nimbus::kFrontendFolder, nimbus::kFontsFolder};

std::vector<fs::path> filesWith(const fs::path& folder, const char* extension) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == extension) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A model's texture from its own folder, or Common's when the theme does not replace it.
bool findTexture(const fs::path& data, const fs::path& folder, const std::string& name,
                 nimbus::Image& image) {
    const fs::path own = folder / (name + ".texture");
    return nimbus::readTextureImage(
        (fs::exists(own) ? own : data / nimbus::kCommonThemeFolder / (name + ".texture")).string(), image);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        LOG_ERROR("usage: nimbus_contactsheet DATA_DIR OUTPUT.png");
        return 1;
    }
    const fs::path data = argv[1];
    std::vector<fs::path> textures, models;
    for (const char* folder : kFolders) {
        for (const fs::path& p : filesWith(data / folder, ".texture")) textures.push_back(p);
        for (const fs::path& p : filesWith(data / folder, ".model")) models.push_back(p);
    }
    const int columns = 6;
    const char* const themes[] = {nimbus::kCommonThemeFolder, nimbus::kPlayedThemeFolder};
    const int cells = static_cast<int>(textures.size() + models.size() + 2);
    nimbus::ContactSheet sheet(columns, (cells + columns - 1) / columns, 256);
    for (const fs::path& p : textures) {
        nimbus::Image picture;
        if (!nimbus::readTextureImage(p.string(), picture)) return 1;
        sheet.addPicture(picture);
    }
    nimbus::Image envmap;
    if (!nimbus::readTextureImage((data / nimbus::kCommonThemeFolder / "Envmap.texture").string(), envmap))
        return 1;
    for (const fs::path& p : models) {
        std::vector<nimbus::ModelMeshData> meshes;
        nimbus::Image diffuse;
        if (!nimbus::readModel(p.string(), meshes) || meshes.empty() ||
            !findTexture(data, p.parent_path(), meshes.front().texture, diffuse)) {
            LOG_ERROR(p.string() << ": cannot be drawn");
            return 1;
        }
        sheet.addModel(meshes.front(), diffuse, envmap);
    }
    for (const char* theme : themes) {
        if (!nimbus::drawBoardScene(sheet, data.string(), theme)) {
            LOG_ERROR(data.string() << ": the board of theme " << theme << " cannot be drawn");
            return 1;
        }
    }
    return nimbus::writeImagePng(argv[2], sheet.finish()) ? 0 : 1;
}
