#include "SceneData.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/Path.h"
#include "core/posix/PosixInArchive.h"
#include "game/DataFiles.h"
#include "game/DataLayout.h"
#include "gui/GuiNames.h"
#include "render/font/BitmapFont.h"
#include "render/font/FontLoader.h"

namespace nimbus {

bool loadSceneData(Core& core, const std::string& dataDirectory) {
    PosixInArchive archive{Path(dataDirectory)};
    if (!loadDataFiles(archive, core) || !buildTileBatch(core)) return false;
    TiXmlElement element("font");
    element.SetAttribute("name", "Alba");
    element.SetAttribute("texture", "Textures/Alba");
    const std::string description = dataDirectory + "/" + kFontDescription;
    element.SetAttribute("info", description.c_str());
    BitmapFont* font = loadFont(element);
    if (!font) {
        LOG_ERROR(description << ": the font does not load");
        return false;
    }
    // Loaded again, as the data files are, the font takes the place of the one before.
    registerFont(kDefaultFontResource, font);
    return true;
}

}  // namespace nimbus
