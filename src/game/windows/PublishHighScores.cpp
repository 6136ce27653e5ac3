#include "game/windows/PublishHighScores.h"

#include <algorithm>
#include <string>

#include "game/rules/HighScoreList.h"
#include "game/windows/HighScoreWindow.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

void publishHighScores(Gui& gui, const HighScoreList& list) {
    const int count = std::min(list.size(), HighScoreWindow::kRows);
    for (int rank = 0; rank < count; ++rank) {
        const std::string suffix = std::to_string(rank);
        gui.setProperty(kPropertyHighScoreName + suffix, list[rank].name);
        gui.setProperty(kPropertyHighScoreScore + suffix, std::to_string(list[rank].score));
    }
    gui.setProperty(kPropertyNewestEntry, std::to_string(list.newestIndex()));
}

}  // namespace nimbus
