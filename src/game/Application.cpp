#include "game/Application.h"

#include <SDL/SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

#include "core/InArchive.h"
#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "core/OutArchive.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/memory/MemoryManager.h"
#include "core/posix/PosixInArchive.h"
#include "core/posix/PosixOutArchive.h"
#include "core/posix/SystemTimeSource.h"
#include "game/DataFiles.h"
#include "game/DataLayout.h"
#include "game/FramePacer.h"
#include "game/GameStateInfo.h"
#include "game/level/PlayerLevelFiles.h"
#include "game/player/Language.h"
#include "game/rules/LevelList.h"
#include "game/rules/LevelTitles.h"
#include "game/scene/ColorSymbols.h"
#include "game/states/FrontendState.h"
#include "game/windows/GameWindowClasses.h"
#include "game/windows/PublishHighScores.h"
#include "game/windows/PublishSettings.h"
#include "gui/EditableGui.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/WindowFactory.h"
#include "render/Core.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"
#include "sound/SoundStartup.h"

namespace nimbus {

// One start-up step: what it is called, how it starts, and how its work is undone (null
// when there is nothing to undo, or the undo belongs to another step).
struct Application::Step {
    const char* name;
    bool (Application::*start)();
    void (Application::*stop)();
};

// The order matters twice: each step needs those above it, and tear-down runs the list
// from the bottom, so whatever holds GPU objects goes before the core that made them.
// That is why the resource manager comes after the window: every asset it holds is
// released before the window closes. The musics it holds need the mixer as well, so the
// sound frees them before it closes the device.
const Application::Step Application::kSteps[] = {
    {"level list", &Application::listLevelDirectories, nullptr},
    {"level titles", &Application::readLevelTitles, nullptr},
    {"settings", &Application::readSettings, nullptr},
    {"language", &Application::chooseLanguage, &Application::dropLanguage},
    {"video", &Application::openVideoStep, &Application::closeVideoStep},
    {"first frame", &Application::clearScreen, nullptr},
    {"gamepad", &Application::openGamepad, &Application::closeGamepad},
    {"resource manager", &Application::createResourceManager, &Application::deleteResourceManager},
    {"sound", &Application::startSound, &Application::stopSound},
    {"data files", &Application::loadDataFiles, nullptr},
    {"compiler memory", &Application::releaseCompiler, nullptr},
    {"screen renderer", &Application::createScreenRenderer, &Application::deleteScreenRenderer},
    {"tile batch", &Application::buildTileBatch, nullptr},
    {"gui", &Application::startGui, &Application::stopGui},
    {"states", &Application::startStates, &Application::stopStates},
    {"high scores", &Application::loadHighScores, nullptr},
    {"progress", &Application::loadProgress, nullptr},
    {"player levels", &Application::startPlayerLevels, nullptr},
    {"settings in the menus", &Application::publishSettingsStep, nullptr},
};

namespace {

// Set by SIGTERM, SIGINT or SIGHUP: the frame loop ends as if the player quit.
volatile std::sig_atomic_t gEndRequested = 0;
// Set by SIGUSR1: the next frame prints the tracked heap, for long runs that watch it.
volatile std::sig_atomic_t gHeapReportRequested = 0;

void requestEnd(int) { gEndRequested = 1; }
void requestHeapReport(int) { gHeapReportRequested = 1; }

void catchSignal(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

// Replaces the windowing library's own handlers, which would only queue a quit event
// that a state might not read, and adds the hang-up of a closed terminal.
void catchSignals() {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) catchSignal(signal, requestEnd);
    catchSignal(SIGUSR1, requestHeapReport);
}

// A minimised window shows nothing, so no frame is drawn until it is shown again, the
// window is closed or the game is asked to end; whether there was a wait.
bool waitWhileMinimised() {
    constexpr Uint32 kLookEveryMilliseconds = 50;
    bool waited = false;
    SDL_Event quit;
    for (SDL_PumpEvents(); !(SDL_GetAppState() & SDL_APPACTIVE) && !gEndRequested &&
                           SDL_PeepEvents(&quit, 1, SDL_PEEKEVENT, SDL_QUITMASK) == 0;
         SDL_PumpEvents()) {
        SDL_Delay(kLookEveryMilliseconds);
        waited = true;
    }
    return waited;
}

// One line on standard output; zero where the tracking allocator is not linked in.
void reportHeap() {
    const MemoryTracker& tracker = MemoryManager::instance().tracker();
    std::printf("Live heap: %zu bytes in %zu blocks\n", tracker.liveBytes(), tracker.liveBlocks());
    std::fflush(stdout);
}

const Color kClearColor{0.0f, 0.0f, 0.0f, 1.0f};
std::string workingDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

}  // namespace

Application::Application(bool fullscreen, const std::string& dataDirectory, HighScorePlace scores)
    : fullscreen_(fullscreen),
      highScoreFile_(std::string()),
      settingsFile_(std::string()),
      progressFile_(std::string()) {
    if (::chdir(dataDirectory.c_str()) != 0) {
        LOG_ERROR("Failed to enter the data folder " << dataDirectory << " - " << systemErrorString(errno));
    }
    const Path data(workingDirectory().c_str());
    delete setInArchive(new PosixInArchive(data));
    delete setOutArchive(new PosixOutArchive(data));
    highScoreFile_ = HighScoreFile::forData(data.c_str(), scores);
    settingsFile_ = SettingsFile::forData(data.c_str(), scores);
    progressFile_ = ProgressFile::forData(data.c_str(), scores);
    proofCacheFolder_ = playerFileDirectory(data.c_str(), scores, kPlayerCacheHome);
}

Application::~Application() {
    for (int i = stepsStarted_ - 1; i >= 0; --i) {
        if (kSteps[i].stop) (this->*kSteps[i].stop)();
    }
    delete setInArchive(nullptr);
    delete setOutArchive(nullptr);
}

bool Application::run() {
    if (!startUp()) return false;
    catchSignals();
    SystemTimeSource clock;
    FramePacer pacer(clock, displayRate());
    int64_t previous = clock.now();
    float dt = 0.0f;
    while (!quitRequested() && !gEndRequested) {
        frame(dt);
        pacer.wait();
        if (gHeapReportRequested) {
            gHeapReportRequested = 0;
            reportHeap();
        }
        // The time spent minimised is no time of the game's.
        if (waitWhileMinimised()) previous = clock.now();
        // A counter that steps back gives a frame of no time, never a negative one.
        const int64_t now = std::max(clock.now(), previous);
        dt = elapsedSeconds(clock, previous, now);
        previous = now;
    }
    saveHighScores();
    return true;
}

bool Application::startUp() {
    if (stepsStarted_ != 0) return failedStep_ == nullptr;
    for (const Step& step : kSteps) {
        // A failed step still counts as started: its undo clears what it made.
        ++stepsStarted_;
        if (!(this->*step.start)()) {
            failedStep_ = step.name;
            LOG_ERROR("The game cannot start: the " << step.name << " step failed");
            return false;
        }
    }
    return true;
}

void Application::frame(float dt) {
    if (!state_) return;
    GenericState* next = state_->update(dt, info_.get());
    if (next != state_.get()) swapState(next);
    followSettings();
    saveChangedHighScores();
    saveChangedProgress();
    if (info_) info_->playerLevels.update();
}

void Application::swapState(GenericState* next) {
    state_->exit();
    state_.reset(next);
    // Without a state nothing could ever set the quit flag, so the game ends.
    if (state_)
        state_->enter(info_.get());
    else
        info_->quit = true;
}

bool Application::setFullscreen(bool on) {
    if (on == fullscreen_) return true;
    // Before start-up the window opens as asked.
    if (!videoStarted_) {
        fullscreen_ = on;
        return true;
    }
    if (!core()) return false;
    VideoMode mode;
    mode.fullscreen = on;
    const VideoSwitch result = switchVideo(mode, *core());
    if (result == VideoSwitch::Done) fullscreen_ = on;
    // Nothing could be drawn any more.
    if (result == VideoSwitch::Lost && info_) info_->quit = true;
    return result == VideoSwitch::Done;
}

bool Application::quitRequested() const { return !info_ || info_->quit; }

bool Application::saveHighScores() {
    if (!info_) return false;
    if (info_->highScores.sameEntries(savedScores_)) return true;
    triedScores_ = info_->highScores;
    if (!highScoreFile_.save(info_->highScores)) return false;
    savedScores_ = info_->highScores;
    return true;
}

void Application::saveChangedHighScores() {
    // A table that failed to save waits for its next change (or the quit) before it is
    // tried again, so a full disk gives one error line, not one a frame.
    if (info_ && !info_->highScores.sameEntries(triedScores_)) saveHighScores();
}

void Application::saveChangedProgress() {
    // As for the table: a save that failed waits for the next change.
    if (!info_ || info_->progress.revision() == triedProgress_) return;
    triedProgress_ = info_->progress.revision();
    progressFile_.save(info_->progress);
}

void Application::followSettings() {
    if (!info_ || !gui_) return;
    collectSettings(*gui_, info_->settings);
    // A settings file that failed to save waits for the next change, so a full disk
    // gives one error line per change, not one a frame.
    if (info_->settings == triedSettings_) return;
    triedSettings_ = info_->settings;
    applySettings();
    // A language that is the system's is kept as none, so that the game follows the
    // system's when that changes.
    Settings kept = info_->settings;
    if (kept.language == systemLanguage_) kept.language.clear();
    settingsFile_.save(kept);
}

void Application::applySettings() {
    sound_.music->setVolume(Settings::mixerVolume(info_->settings.musicVolume));
    sound_.sound->setEffectVolume(Settings::mixerVolume(info_->settings.effectsVolume));
    showColorSymbols(info_->settings.symbols);
    if (info_->settings.language != languageInUse_) {
        useLanguage(info_->settings.language);
        publishSettings(*gui_, info_->settings);
    }
    if (info_->settings.fullscreen != fullscreen_ && !setFullscreen(info_->settings.fullscreen)) {
        info_->settings.fullscreen = fullscreen_;
        publishSettings(*gui_, info_->settings);
    }
}

bool Application::listLevelDirectories() {
    PosixInArchive levels{Path(kLevelsFolder)};
    return listLevels(levels, levelNames_);
}

bool Application::readLevelTitles() {
    // Levels without titles are played as well; only a damaged index is reported.
    LevelTitles titles;
    const std::unique_ptr<InBuffer> index(inArchive()->open(dataPath(kLevelTitlesFile)));
    if (index) titles.read(*index);
    levelTitles_ = titles.titlesOf(levelNames_);
    return true;
}

bool Application::openVideoStep() {
    VideoMode mode;
    mode.fullscreen = fullscreen_;
    Core* opened = openVideo(mode, videoStarted_);
    // The name a task bar shows; the desktop's menu entry knows the window by its class,
    // the executable's name.
    if (opened) SDL_WM_SetCaption("Nimbus", "Nimbus");
    delete setCore(opened);
    return opened != nullptr;
}

void Application::closeVideoStep() {
    delete setCore(nullptr);
    if (videoStarted_) closeVideo();
    videoStarted_ = false;
}

// A missing pad is no failure: the game plays on the keyboard and the mouse.
bool Application::openGamepad() {
    gamepad_.open();
    return true;
}

void Application::closeGamepad() { gamepad_.close(); }

bool Application::clearScreen() {
    core()->clear(kClearColor);
    core()->present();
    return true;
}

// The musics are named from the working directory, which is the data folder.
bool Application::startSound() { return nimbus::startSound(*inArchive(), soundFiles(std::string()), sound_); }

void Application::stopSound() { nimbus::stopSound(sound_); }

bool Application::createResourceManager() {
    delete setResourceManager(new ResourceManager);
    return true;
}

void Application::deleteResourceManager() { delete setResourceManager(nullptr); }

bool Application::loadDataFiles() { return nimbus::loadDataFiles(*inArchive(), *core()); }

bool Application::releaseCompiler() {
    // Every effect the game draws with is among the data files.
    releaseShaderCompiler();
    return true;
}

bool Application::createScreenRenderer() {
    screenRenderer_ = std::make_unique<OglScreenspaceRenderer>(*core(), kViewMax, kViewMin);
    return true;
}

void Application::deleteScreenRenderer() { screenRenderer_.reset(); }

bool Application::buildTileBatch() { return nimbus::buildTileBatch(*core()); }

bool Application::startGui() {
    delete setWindowFactory(new WindowFactory);
    delete setActionFactory(new ActionFactory);
    if (!registerStandardWindows(*windowFactory()) || !registerStandardActions(*actionFactory()) ||
        !registerGameWindows(*windowFactory())) {
        return false;
    }
    gui_ = std::make_unique<EditableGui>(kViewWidth, kViewHeight);
    if (gui_->load(kGuiDocument)) return true;
    LOG_ERROR("Failed to load the GUI document " << kGuiDocument);
    return false;
}

void Application::stopGui() {
    gui_.reset();
    delete setActionFactory(nullptr);
    delete setWindowFactory(nullptr);
}

bool Application::startStates() {
    info_ = std::make_unique<GameStateInfo>();
    info_->sound = sound_.sound.get();
    info_->music = sound_.music.get();
    info_->screenRenderer = screenRenderer_.get();
    info_->gui = gui_.get();
    info_->levelNames = levelNames_;
    info_->levelTitles = levelTitles_;
    // F11 asks as the Options screen's switch does, so the choice is kept the same way.
    info_->toggleFullscreen = [this] { requestFullscreenSwitch(*gui_); };
    info_->demoAfterSeconds = demoAfterSeconds_;
    info_->playerFolder = highScoreFile_.directory();
    info_->replays = ReplayFolder(highScoreFile_.directory());
    state_ = std::make_unique<FrontendState>();
    state_->enter(info_.get());
    return true;
}

void Application::stopStates() {
    if (state_) state_->exit();
    state_.reset();
    info_.reset();
}

bool Application::loadHighScores() {
    // A table that is not on disk yet is written at the first quit, so the file exists
    // after a first game even without a result in it.
    if (highScoreFile_.load(info_->highScores)) savedScores_ = info_->highScores;
    triedScores_ = info_->highScores;
    publishHighScores(*gui_, info_->highScores);
    return true;
}

bool Application::loadProgress() {
    // A player without a file has only the first level open, and gets a file at the
    // first level completed.
    progressFile_.load(info_->progress);
    triedProgress_ = info_->progress.revision();
    return true;
}

bool Application::startPlayerLevels() {
    // Proven on a worker thread: the menus are usable at once. Without a folder of the
    // player's there are no levels of theirs either.
    if (!info_->playerFolder.empty())
        info_->playerLevels.start(info_->playerFolder + "/" + kPlayerLevelsFolder, proofCacheFolder_);
    return true;
}

bool Application::readSettings() {
    // A missing file means the defaults, which are written at the first change.
    settingsFile_.load(settings_);
    if (screenFromSettings_) fullscreen_ = settings_.fullscreen;
    return true;
}

bool Application::chooseLanguage() {
    if (!findLanguage(settings_.language)) settings_.language = systemLanguage_;
    useLanguage(settings_.language);
    return true;
}

void Application::dropLanguage() {
    if (messageCatalogue() == catalogue_.get()) setMessageCatalogue(nullptr);
    catalogue_.reset();
    languageInUse_.clear();
}

void Application::useLanguage(const std::string& code) {
    const Language* language = findLanguage(code);
    std::unique_ptr<MessageCatalogue> catalogue =
        language ? readCatalogue(*inArchive(), *language) : std::unique_ptr<MessageCatalogue>();
    // The old catalogue goes only once no text can be looked up in it any more.
    setMessageCatalogue(catalogue.get());
    catalogue_ = std::move(catalogue);
    languageInUse_ = code;
}

bool Application::publishSettingsStep() {
    info_->settings = settings_;
    // The Options screen shows the screen the game opened on; symbols asked for on the
    // command line count as switched on there. Neither is saved until the player changes
    // a setting.
    info_->settings.fullscreen = fullscreen_;
    if (colorSymbolsShown()) info_->settings.symbols = true;
    triedSettings_ = info_->settings;
    publishSettings(*gui_, info_->settings);
    applySettings();
    return true;
}

}  // namespace nimbus
