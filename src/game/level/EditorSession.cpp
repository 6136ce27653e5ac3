#include "game/level/EditorSession.h"

#include <utility>

#include "game/level/LevelSource.h"

namespace nimbus {

bool EditorSession::open(const std::string& folder, const std::string& name, std::string* reason) {
    LevelSource level;
    if (!LevelSourceParser::read(folder + "/" + name, level, reason, LevelSourceParser::Rules::kDraft))
        return false;
    editor = LevelEditor(std::move(level));
    file = name;
    savedRevision = editor.revision();
    return true;
}

}  // namespace nimbus
