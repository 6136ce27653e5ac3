#include "game/states/LevelEditorState.h"

#include <SDL/SDL_keysym.h>

#include <cstdio>
#include <cstdlib>

#include "core/MessageCatalogue.h"
#include "core/ResourceManager.h"
#include "game/GameNames.h"
#include "game/level/EditorSession.h"
#include "game/level/LevelSourceWriter.h"
#include "game/level/PlayerLevelFiles.h"
#include "game/level/PlayerLevels.h"
#include "game/rules/Board.h"
#include "game/scene/Backdrop.h"
#include "game/states/LevelsState.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "render/ScreenspaceRenderer.h"
#include "render/ViewSize.h"
#include "sound/SoundStartup.h"

namespace nimbus {

namespace {

// The keys that choose a brush.
const struct {
    SDLKey key;
    Brush brush;
} kBrushKeys[] = {
    {SDLK_1, Brush::kRed},        {SDLK_2, Brush::kGreen},       {SDLK_3, Brush::kBlue},
    {SDLK_4, Brush::kYellow},     {SDLK_5, Brush::kCyan},        {SDLK_6, Brush::kMagenta},
    {SDLK_w, Brush::kWhite},      {SDLK_k, Brush::kBlack},       {SDLK_h, Brush::kHole},
    {SDLK_s, Brush::kStart},      {SDLK_g, Brush::kGoal},        {SDLK_f, Brush::kFalls},
    {SDLK_n, Brush::kNeverFalls}, {SDLK_v, Brush::kWave},        {SDLK_l, Brush::kExtraLife},
    {SDLK_o, Brush::kStopTime},   {SDLK_r, Brush::kReverseTime}, {SDLK_x, Brush::kNoPickup},
};

// The keys that give a command, with Ctrl held or not.
const struct {
    SDLKey key;
    bool ctrl;
    const char* command;
} kCommandKeys[] = {
    {SDLK_z, true, kEditorUndo},      {SDLK_y, true, kEditorRedo},        {SDLK_s, true, kEditorSave},
    {SDLK_RIGHT, true, kEditorWider}, {SDLK_LEFT, true, kEditorNarrower}, {SDLK_DOWN, true, kEditorLonger},
    {SDLK_UP, true, kEditorShorter},  {SDLK_p, false, kEditorProve},      {SDLK_t, false, kSignalEditorTest},
};

// The cursor's steps: the board's rows run down the screen, as in a level's text.
const struct {
    SDLKey key;
    int32_t dx, dy;
} kCursorKeys[] = {{SDLK_LEFT, -1, 0}, {SDLK_RIGHT, 1, 0}, {SDLK_UP, 0, -1}, {SDLK_DOWN, 0, 1}};

constexpr const char* kBackdropTexture = "Textures/backdrop";

int32_t numberIn(const std::string& text, int32_t fallback) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() ? static_cast<int32_t>(value) : fallback;
}

std::string formatted(const char* format, int a, int b) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// A text with another put into its place (%s), in the player's language.
std::string withText(const char* format, const std::string& text) {
    char line[512];
    std::snprintf(line, sizeof line, translated(format), text.c_str());
    return line;
}

const char* tileName(const Tile& tile) {
    return tile.color == kUndefined ? "Hole" : tileColorName(tile.color);
}

}  // namespace

LevelEditorState::LevelEditorState() = default;

LevelEditorState::~LevelEditorState() = default;

void LevelEditorState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.testing = false;
    info.stats.reset();
    if (!info.editing) info.editing = std::make_unique<EditorSession>();
    session_ = info.editing.get();
    backdrop_ = getResource<Texture>(kBackdropTexture, kTextureTypeName);
    Gui& gui = *info.gui;
    // The arrows move the cursor here, as they roll the die in a level.
    gui.setFocusKeys(false);
    gui.setProperty(kPropertyTyping, "");
    gui.setProperty(kPropertyEditorCommand, "");
    title_ = session_->editor.level().title;
    teaches_ = session_->editor.level().teaches;
    gui.setProperty(kPropertyEditorTitle, title_);
    gui.setProperty(kPropertyEditorTeaches, teaches_);
    if (brushNamed(gui.getProperty(kPropertyEditorBrush)) == Brush::kCount)
        gui.setProperty(kPropertyEditorBrush, brushName(Brush::kWhite));
    gui.setProperty(kPropertyEditorStep, std::to_string(session_->editor.fallStep()));
    gui.setProperty(kPropertyEditorEvery, std::to_string(session_->editor.waveEvery()));
    say(session_->proven() ? withText(kEditorProvenFormat, session_->proof.summary())
                           : std::string(translated(kEditorWelcome)));
    listDrafts(info);
    gui.pushSignal(kSignalShowEditor);
}

GenericState* LevelEditorState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    catchEscape(gui);
    updateServices(dt, info);
    takeFields(gui);
    takeEvents(info);
    const std::string command = gui.getProperty(kPropertyEditorCommand);
    if (!command.empty()) {
        gui.setProperty(kPropertyEditorCommand, "");
        runCommand(command, info);
    }
    followProof();
    publish(gui);
    drawFrame(info, true);
    if (exitTo(gui, kStateTestLevel)) {
        clearExit(gui);
        info.testing = true;
        info.stats = std::make_unique<PlayerStats>();
        return new PlayingState;
    }
    if (exitTo(gui, kStateLevels)) {
        clearExit(gui);
        return leave(info);
    }
    return this;
}

void LevelEditorState::catchEscape(Gui& gui) {
    if (gui.getProperty(kPropertyTyping).empty()) return escapeTo(gui, kSignalEditorBack);
    // While a field is typed into, Escape only ends the typing.
    for (int32_t i = 0; i < eventCount(); ++i) {
        InputEvent& event = events()[i];
        if (event.type != InputEvent::Key || event.key != SDLK_ESCAPE) continue;
        gui.setProperty(kPropertyTyping, "");
        event.type = InputEvent::None;
    }
}

void LevelEditorState::takeFields(Gui& gui) {
    LevelEditor& editor = session_->editor;
    if (gui.getProperty(kPropertyEditorTitle) != title_) {
        title_ = gui.getProperty(kPropertyEditorTitle);
        editor.setTitle(title_);
    }
    if (gui.getProperty(kPropertyEditorTeaches) != teaches_) {
        teaches_ = gui.getProperty(kPropertyEditorTeaches);
        editor.setTeaches(teaches_);
    }
    const int32_t step = numberIn(gui.getProperty(kPropertyEditorStep), editor.fallStep());
    const int32_t every = numberIn(gui.getProperty(kPropertyEditorEvery), editor.waveEvery());
    if (step != editor.fallStep() || every != editor.waveEvery()) stale_ = true;
    editor.setFallStep(step);
    editor.setWaveEvery(every);
}

void LevelEditorState::takeEvents(GameStateInfo& info) {
    const bool typing = !info.gui->getProperty(kPropertyTyping).empty();
    for (int32_t i = 0; i < eventCount(); ++i) {
        const InputEvent& event = events()[i];
        if (event.type == InputEvent::Key && event.pressed && !typing) takeKey(event, info);
        if (event.type == InputEvent::MouseMove || event.type == InputEvent::MouseDown ||
            event.type == InputEvent::MouseUp)
            takePointer(event, *info.gui);
    }
}

void LevelEditorState::takeKey(const InputEvent& event, GameStateInfo& info) {
    LevelEditor& editor = session_->editor;
    const bool ctrl = (event.modifiers & KMOD_CTRL) != 0;
    for (const auto& entry : kCommandKeys) {
        if (entry.key == event.key && entry.ctrl == ctrl) return runCommand(entry.command, info);
    }
    if (ctrl) return;
    for (const auto& entry : kCursorKeys) {
        if (entry.key != event.key) continue;
        const Position next(cursor_.x + entry.dx, cursor_.y + entry.dy);
        if (editor.board().contains(next)) cursor_ = next;
        stale_ = true;
        return;
    }
    if (event.key == SDLK_SPACE || event.key == SDLK_RETURN || event.key == SDLK_KP_ENTER) {
        editor.paint(cursor_, brushNamed(info.gui->getProperty(kPropertyEditorBrush)));
        return;
    }
    for (const auto& entry : kBrushKeys) {
        if (entry.key == event.key) info.gui->setProperty(kPropertyEditorBrush, brushName(entry.brush));
    }
}

void LevelEditorState::takePointer(const InputEvent& event, Gui& gui) {
    LevelEditor& editor = session_->editor;
    const Position cell = plan_.cellAt(gui.screenToGui(event.x, event.y, 0.0f));
    if (cell != hovered_) stale_ = true;
    hovered_ = cell;
    const bool left = event.button == InputEvent::kLeftButton;
    if (event.type == InputEvent::MouseUp && left && painting_) {
        painting_ = false;
        editor.endStroke();
        return;
    }
    const bool press = event.type == InputEvent::MouseDown && left && editor.board().contains(cell);
    if (press) {
        // A press on the board ends the typing into a field.
        gui.setProperty(kPropertyTyping, "");
        painting_ = true;
        editor.beginStroke();
    }
    if (!painting_ || !editor.board().contains(cell)) return;
    // A quick stroke skips cells between two events; they are painted as a line.
    const Position from = press || !editor.board().contains(cursor_) ? cell : cursor_;
    editor.paintLine(from, cell, brushNamed(gui.getProperty(kPropertyEditorBrush)));
    cursor_ = cell;
}

void LevelEditorState::runCommand(const std::string& command, GameStateInfo& info) {
    LevelEditor& editor = session_->editor;
    const Board& board = editor.board();
    if (command == kEditorUndo) editor.undo();
    if (command == kEditorRedo) editor.redo();
    if (command == kEditorWider) editor.resize(board.width() + 1, board.length());
    if (command == kEditorNarrower) editor.resize(board.width() - 1, board.length());
    if (command == kEditorLonger) editor.resize(board.width(), board.length() + 1);
    if (command == kEditorShorter) editor.resize(board.width(), board.length() - 1);
    if (command == kEditorProve) {
        search_.start(levelSourceText(editor.level()), session_->file.empty() ? "the level" : session_->file);
        session_->provenRevision = editor.revision();
    }
    if (command == kEditorSave) save(info);
    if (command == kEditorDraftPrevious || command == kEditorDraftNext) {
        const size_t count = drafts_.empty() ? 1 : drafts_.size();
        draft_ = (draft_ + (command == kEditorDraftNext ? 1 : count - 1)) % count;
        stale_ = true;
    }
    if (command == kEditorDraftOpen) openDraft(info);
    if (command == kSignalEditorTest) info.gui->pushSignal(kSignalEditorTest);
    if (!editor.board().contains(cursor_)) cursor_ = Position(1, 1);
}

void LevelEditorState::followProof() {
    if (!search_.running()) return;
    if (!search_.finished()) {
        char text[96];
        std::snprintf(text, sizeof text, translated(kEditorProvingFormat), search_.statesSearched());
        if (status_ != text) say(text);
        return;
    }
    session_->proof = search_.proof();
    if (session_->provenRevision != session_->editor.revision())
        say(translated(kEditorChanged));
    else
        say(withText(session_->proof.proven ? kEditorProvenFormat : kEditorNotProvenFormat,
                     session_->proof.summary()));
}

void LevelEditorState::save(GameStateInfo& info) {
    EditorSession& session = *session_;
    const std::string levels = info.playerFolder + "/" + kPlayerLevelsFolder;
    const std::string drafts = info.playerFolder + "/" + kDraftsFolder;
    if (session.file.empty())
        session.file = freeLevelFileName(session.editor.level().title, {levels, drafts});
    const std::string text = levelSourceText(session.editor.level());
    const bool proven = session.proven();
    if (info.playerFolder.empty() || !writeLevelFile(proven ? levels : drafts, session.file, text)) {
        say(translated(kEditorNotSaved));
        return;
    }
    session.savedRevision = session.editor.revision();
    if (!proven) {
        say(withText(kEditorSavedDraftFormat, std::string(kDraftsFolder) + "/" + session.file));
        listDrafts(info);
        return;
    }
    // The proven level replaces its draft.
    std::remove((drafts + "/" + session.file).c_str());
    info.playerLevels.record(session.file, text, session.editor.level().title, session.proof);
    say(withText(kEditorSavedLevelFormat, session.file));
    listDrafts(info);
}

void LevelEditorState::openDraft(GameStateInfo& info) {
    if (draft_ >= drafts_.size()) return;
    // What is open now is kept as a draft before the other is opened.
    if (!session_->saved()) save(info);
    const std::string file = drafts_[draft_];
    auto opened = std::make_unique<EditorSession>();
    std::string reason;
    if (!opened->open(info.playerFolder + "/" + kDraftsFolder, file, &reason)) {
        say(withText(kEditorNotProvenFormat, reason));
        return;
    }
    search_.cancel();
    info.editing = std::move(opened);
    session_ = info.editing.get();
    title_ = session_->editor.level().title;
    teaches_ = session_->editor.level().teaches;
    info.gui->setProperty(kPropertyEditorTitle, title_);
    info.gui->setProperty(kPropertyEditorTeaches, teaches_);
    cursor_ = Position(1, 1);
    say(withText(kEditorOpenedFormat, file));
}

void LevelEditorState::listDrafts(GameStateInfo& info) {
    drafts_ = info.playerFolder.empty() ? std::vector<std::string>()
                                        : levelFilesIn(info.playerFolder + "/" + kDraftsFolder);
    if (draft_ >= drafts_.size()) draft_ = 0;
    stale_ = true;
}

void LevelEditorState::publish(Gui& gui) {
    const LevelEditor& editor = session_->editor;
    if (!stale_ && shownRevision_ == editor.revision()) return;
    if (shownRevision_ != editor.revision() && session_->proof.proven && !session_->proven() &&
        !search_.running())
        say(translated(kEditorChanged));
    stale_ = false;
    shownRevision_ = editor.revision();
    const Board& board = editor.board();
    gui.setProperty(kPropertyEditorSize,
                    formatted(translated(kEditorSizeFormat), board.width(), board.length()));
    const int32_t step = editor.fallStep();
    gui.setProperty(kPropertyEditorStepText, formatted(translated(kEditorStepFormat), step,
                                                       static_cast<int>(step * Board::kSecondsPerFallStep)));
    gui.setProperty(kPropertyEditorEveryText,
                    editor.waveEvery() == 1
                        ? std::string(translated(kEditorEveryOne))
                        : formatted(translated(kEditorEveryFormat), editor.waveEvery(), 0));
    char draft[160];
    if (drafts_.empty())
        std::snprintf(draft, sizeof draft, "%s", translated(kEditorNoDrafts));
    else
        std::snprintf(draft, sizeof draft, translated(kEditorDraftFormat), static_cast<int>(draft_ + 1),
                      static_cast<int>(drafts_.size()), drafts_[draft_].c_str());
    gui.setProperty(kPropertyEditorDraft, draft);
    const Position shown = board.contains(hovered_) ? hovered_ : cursor_;
    std::string cell;
    if (board.contains(shown)) {
        const Tile& tile = board.tileAt(shown);
        cell = shown.text() + " " + translated(tileName(tile));
        if (tile.fallStep >= 0) cell += ", " + formatted(translated(kEditorFallsFormat), tile.fallStep, 0);
        if (tile.pickup > kPickupNone && tile.pickup < kPickupLast)
            cell += std::string(", ") + translated(kEditorPickupNames[tile.pickup]);
    }
    gui.setProperty(kPropertyEditorCell, cell);
    gui.setProperty(kPropertyEditorStatus, status_);
}

void LevelEditorState::say(const std::string& status) {
    status_ = status;
    stale_ = true;
}

GenericState* LevelEditorState::leave(GameStateInfo& info) {
    search_.cancel();
    // Work not saved is kept as a draft rather than lost.
    if (!session_->saved() && (session_->editor.canUndo() || !session_->file.empty())) save(info);
    info.editing.reset();
    info.gui->setProperty(kPropertyTyping, "");
    info.gui->setFocusKeys(true);
    info.ownLevels = true;
    return new LevelsState;
}

void LevelEditorState::drawUnderGui(GameStateInfo& info, const Camera&) {
    const Window* area = info.gui->findWindow(kWindowEditorBoard);
    if (!area || !area->visible()) return;
    static const float kWholeTexture[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
    drawBackdrop(*info.screenRenderer, backdrop_, kViewAspect, kWholeTexture, 1.0f);
    const Vector2 centre = area->absolutePosition(), half = area->size() * 0.5f;
    const Board& board = session_->editor.board();
    plan_.fit(board, centre - half, centre + half);
    plan_.draw(board, cursor_, hovered_, *info.screenRenderer);
}

}  // namespace nimbus
