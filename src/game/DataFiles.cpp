#include "game/DataFiles.h"

#include "core/Callback2.h"
#include "core/InArchive.h"
#include "core/Log.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "game/DataLayout.h"
#include "game/GameNames.h"
#include "render/Loaders.h"
#include "render/Mesh.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"

namespace nimbus {

namespace {

// Each tile mesh and the batch made of it: the full brick, the coarse one for far tiles
// and the closed one for falling tiles.
constexpr const char* kTileBatches[][2] = {
    {"Meshes/Brick", kTileBatch},
    {"Meshes/Brick_coarse", kCoarseTileBatch},
    {"Meshes/Brick_closed", kClosedTileBatch},
};

// A folder of the data, the extension of the files read from it, their loader, and what
// they are called in an error line.
struct DataFolder {
    const char* folder;
    const char* extension;
    bool (*load)(const Path&, InBuffer&, Core&);
    const char* kind;
};

// A name loaded again from a later directory replaces the earlier asset, so the theme's
// own files win over the common ones.
constexpr DataFolder kDataFolders[] = {
    {kShadersFolder, ".fx", loadShader, "effect"},
    {kCommonThemeFolder, ".texture", loadTexture, "texture"},
    {kPlayedThemeFolder, ".texture", loadTexture, "texture"},
    {kFontsFolder, ".texture", loadTexture, "texture"},
    {kFrontendFolder, ".texture", loadTexture, "texture"},
    {kCommonThemeFolder, ".model", loadModel, "model"},
    {kPlayedThemeFolder, ".model", loadModel, "model"},
};

// One folder's loader bound to the core, as the archive's file callback.
class FolderLoader : public Callback2Private {
public:
    FolderLoader(const DataFolder& folder, Core& core) : folder_(&folder), core_(&core) {}
    bool invoke(const Path& file, InBuffer& contents) override {
        if (folder_->load(file, contents, *core_)) return true;
        LOG_ERROR("Failed to load the " << folder_->kind << " " << file.c_str());
        return false;
    }
    void cloneInto(void* storage, size_t) const override { new (storage) FolderLoader(*this); }

private:
    const DataFolder* folder_;
    Core* core_;
};

}  // namespace

bool loadDataFiles(InArchive& archive, Core& core) {
    for (const DataFolder& folder : kDataFolders) {
        if (loadAll(archive, dataPath(folder.folder), folder.extension, FolderLoader(folder, core)) < 0)
            return false;
    }
    return true;
}

bool buildTileBatch(Core& core) {
    for (const auto& [source, name] : kTileBatches) {
        ResourceHandle<Mesh> brick = getResource<Mesh>(source, "Mesh");
        if (!brick) {
            LOG_ERROR("The tile mesh " << source << " is missing");
            return false;
        }
        MeshBatch* batch = buildMeshBatch(*brick, core);
        if (!batch) return false;
        registerMeshBatch(name, batch);
    }
    return true;
}

SoundFiles soundFiles(const std::string& dataDirectory) {
    return {dataPath(kSoundsFolder),
            {{join(dataDirectory, kMenuMusicFile).str(), kMusicMenu},
             {join(dataDirectory, kGameMusicFile).str(), kMusicGame}}};
}

}  // namespace nimbus
