#include "game/rules/BoardFactory.h"

#include <memory>

#include "core/InArchive.h"
#include "core/InBuffer.h"
#include "core/Path.h"
#include "game/DataLayout.h"
#include "game/rules/Board.h"
#include "game/rules/LevelMap.h"

namespace nimbus {

Board* BoardFactory::create(InBuffer& in) const {
    auto board = std::make_unique<Board>();
    if (!readLevelMap(in, *board)) return nullptr;
    board->fetchResources();
    return board.release();
}

Board* BoardFactory::loadLevel(InArchive& archive, const std::string& levelName) const {
    std::unique_ptr<InBuffer> file(archive.open(dataPath(levelMapFile(levelName))));
    if (!file) return nullptr;
    return create(*file);
}

}  // namespace nimbus
