#include "game/windows/GameWindowClasses.h"

#include "game/windows/BackgroundWindow.h"
#include "game/windows/GameWindow.h"
#include "game/windows/HighScoreWindow.h"
#include "game/windows/LevelPlanWindow.h"
#include "game/windows/LevelWatchButton.h"
#include "gui/GuiNames.h"
#include "gui/windows/WindowFactory.h"

namespace nimbus {

namespace {

const WindowClass kGameWindows[] = {
    {kClassGame, GameWindow::create},
    {kClassHighScore, HighScoreWindow::create},
    {kClassBackground, createBackgroundWindow},
    {kClassLevelPlan, LevelPlanWindow::create},
    {kClassLevelWatch, LevelWatchButton::create},
};

}  // namespace

bool registerGameWindows(WindowFactory& factory) { return factory.registerClasses(kGameWindows); }

}  // namespace nimbus
