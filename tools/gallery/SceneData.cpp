#include "SceneData.h"

#include <tinyxml.h>

#include "core/Callback2.h"
#include "core/Log.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "core/posix/PosixInArchive.h"
#include "render/Loaders.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"
#include "render/font/BitmapFont.h"
#include "render/font/FontLoader.h"

namespace nimbus {

namespace {

using Loader = bool (*)(const Path&, InBuffer&, Core&);

// One of the render loaders bound to the core, as the archive's file callback.
class CoreLoader : public Callback2Private {
public:
    CoreLoader(Loader loader, Core& core) : loader_(loader), core_(&core) {}
    bool invoke(const Path& path, InBuffer& buffer) override { return loader_(path, buffer, *core_); }
    void cloneInto(void* storage, size_t) const override { new (storage) CoreLoader(*this); }

private:
    Loader loader_;
    Core* core_;
};

struct Folder {
    const char* directory;
    const char* extension;
    Loader loader;
};

const Folder kFolders[] = {
    {"/Levels/Common/Shaders", ".fx", loadShader}, {"/Themes/Common", ".texture", loadTexture},
    {"/Themes/Lego", ".texture", loadTexture},     {"/Fonts", ".texture", loadTexture},
    {"/Frontend", ".texture", loadTexture},        {"/Themes/Common", ".model", loadModel},
    {"/Themes/Lego", ".model", loadModel},
};

}  // namespace

bool loadSceneData(Core& core, const std::string& dataDirectory) {
    PosixInArchive archive{Path(dataDirectory)};
    for (const Folder& folder : kFolders) {
        if (loadAll(archive, Path(folder.directory), folder.extension, CoreLoader(folder.loader, core)) < 0) {
            LOG_ERROR(dataDirectory << folder.directory << ": a file does not load");
            return false;
        }
    }
    const ResourceHandle<Mesh> brick = getResource<Mesh>("Meshes/Brick", "Mesh");
    MeshBatch* tiles = brick ? buildMeshBatch(*brick, core) : nullptr;
    if (!tiles || !registerMeshBatch("Meshes/Tile", tiles)) {
        LOG_ERROR(dataDirectory << ": no tile batch from Meshes/Brick");
        return false;
    }
    TiXmlElement element("font");
    element.SetAttribute("name", "Alba");
    element.SetAttribute("texture", "Textures/Alba");
    element.SetAttribute("info", (dataDirectory + "/Fonts/Alba.xml").c_str());
    BitmapFont* font = loadFont(element);
    if (!font || !registerFont("Fonts/Alba", font)) {
        LOG_ERROR(dataDirectory << "/Fonts/Alba.xml: the font does not load");
        return false;
    }
    return true;
}

}  // namespace nimbus
