#include "game/windows/PublishLevels.h"

#include <cstdio>
#include <cstdlib>

#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/level/PlayerLevels.h"
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

const char* yesOrNo(bool yes) { return yes ? kLevelIsOpen : kLevelIsClosed; }

}  // namespace

int32_t levelPages(size_t levelCount) {
    const auto pages =
        static_cast<int32_t>((levelCount + LevelPlanWindow::kPageSize - 1) / LevelPlanWindow::kPageSize);
    return pages > 0 ? pages : 1;
}

std::vector<LevelPlanText> shippedPlans(const std::vector<std::string>& levels,
                                        const std::vector<std::string>& titles, const Progress& progress,
                                        const std::vector<bool>& watchable) {
    std::vector<LevelPlanText> plans(levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
        LevelPlanText& plan = plans[i];
        plan.name = levels[i];
        plan.title = i < titles.size() ? translated(titles[i].c_str()) : "";
        plan.open = progress.reached(static_cast<int32_t>(i), levels);
        plan.best = bestText(plan.open, progress.record(levels[i]));
        plan.watchable = i < watchable.size() && watchable[i];
    }
    return plans;
}

std::vector<LevelPlanText> ownPlans(const PlayerLevels& levels, const Progress& progress) {
    std::vector<LevelPlanText> plans;
    for (const PlayerLevels::Level& level : levels.levels()) {
        LevelPlanText plan;
        plan.name = level.file;
        plan.title = level.title;
        plan.open = level.standing == PlayerLevels::Standing::kProven;
        if (level.standing == PlayerLevels::Standing::kWaiting)
            plan.best = translated(kPlanProving);
        else
            plan.best = plan.open ? bestText(true, progress.record(level.file)) : level.proof.reason;
        plan.editable = true;
        plans.push_back(std::move(plan));
    }
    return plans;
}

void publishLevels(Gui& gui, int32_t page, int32_t lit, const std::vector<LevelPlanText>& plans) {
    static const LevelPlanText kNone;
    for (int32_t slot = 0; slot < LevelPlanWindow::kPageSize; ++slot) {
        const std::string suffix = std::to_string(slot);
        const size_t index =
            static_cast<size_t>(page) * LevelPlanWindow::kPageSize + static_cast<size_t>(slot);
        const LevelPlanText& plan = page >= 0 && index < plans.size() ? plans[index] : kNone;
        gui.setProperty(kPropertyLevelName + suffix, plan.name);
        gui.setProperty(kPropertyLevelTitle + suffix, plan.title);
        gui.setProperty(kPropertyLevelBest + suffix, plan.best);
        gui.setProperty(kPropertyLevelOpen + suffix, yesOrNo(plan.open));
        gui.setProperty(kPropertyLevelReplay + suffix, yesOrNo(plan.watchable));
        gui.setProperty(kPropertyLevelEditable + suffix, yesOrNo(plan.editable));
    }
    char text[64];
    std::snprintf(text, sizeof text, translated(kLevelsPageFormat), static_cast<int>(page + 1),
                  static_cast<int>(levelPages(plans.size())));
    gui.setProperty(kPropertyLevelsPage, text);
    gui.setProperty(kPropertyLevelsLit, lit >= 0 ? std::to_string(lit) : std::string());
    const int shown = std::atoi(gui.getProperty(kPropertyLevelsShown).c_str());
    gui.setProperty(kPropertyLevelsShown, std::to_string(shown + 1));
}

}  // namespace nimbus
