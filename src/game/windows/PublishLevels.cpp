#include "game/windows/PublishLevels.h"

#include <cstdio>
#include <cstdlib>

#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/player/Progress.h"
#include "game/windows/LevelPlanWindow.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

namespace {

std::string bestText(bool open, const LevelRecord* record) {
    if (!open) return translated(kPlanLocked);
    if (!record || !record->score.held() || !record->time.held()) return translated(kPlanNotWon);
    char text[64];
    std::snprintf(text, sizeof text, translated(kPlanBestFormat), static_cast<int>(record->score.value),
                  formatHundredths(record->time.value).c_str());
    return text;
}

}  // namespace

int32_t levelPages(size_t levelCount) {
    const auto pages =
        static_cast<int32_t>((levelCount + LevelPlanWindow::kPageSize - 1) / LevelPlanWindow::kPageSize);
    return pages > 0 ? pages : 1;
}

void publishLevels(Gui& gui, int32_t page, int32_t lit, const std::vector<std::string>& levels,
                   const std::vector<std::string>& titles, const Progress& progress,
                   const std::vector<bool>& watchable) {
    for (int32_t slot = 0; slot < LevelPlanWindow::kPageSize; ++slot) {
        const std::string suffix = std::to_string(slot);
        const size_t index =
            static_cast<size_t>(page) * LevelPlanWindow::kPageSize + static_cast<size_t>(slot);
        const bool present = page >= 0 && index < levels.size();
        const bool open = present && progress.reached(static_cast<int32_t>(index), levels);
        gui.setProperty(kPropertyLevelName + suffix, present ? levels[index] : std::string());
        gui.setProperty(kPropertyLevelTitle + suffix,
                        present && index < titles.size() ? translated(titles[index].c_str()) : "");
        gui.setProperty(kPropertyLevelBest + suffix,
                        present ? bestText(open, progress.record(levels[index])) : "");
        gui.setProperty(kPropertyLevelOpen + suffix, open ? kLevelIsOpen : kLevelIsClosed);
        const bool watch = present && index < watchable.size() && watchable[index];
        gui.setProperty(kPropertyLevelReplay + suffix, watch ? kLevelIsOpen : kLevelIsClosed);
    }
    char text[64];
    std::snprintf(text, sizeof text, translated(kLevelsPageFormat), static_cast<int>(page + 1),
                  static_cast<int>(levelPages(levels.size())));
    gui.setProperty(kPropertyLevelsPage, text);
    gui.setProperty(kPropertyLevelsLit, lit >= 0 ? std::to_string(lit) : std::string());
    const int shown = std::atoi(gui.getProperty(kPropertyLevelsShown).c_str());
    gui.setProperty(kPropertyLevelsShown, std::to_string(shown + 1));
}

}  // namespace nimbus
