#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ResourceHandle.h"
#include "game/level/ProofSearch.h"
#include "game/scene/BoardPlan.h"
#include "game/states/GameState.h"
#include "render/Texture.h"

namespace nimbus {

struct EditorSession;

// The level editor: the level of the info's editor session (a new one when there is
// none) seen from above in the GUI window "editor_board", painted with the brush the
// palette chose, by the mouse (a press paints the cell under it, holding the button
// paints on) and by the keys below. The buttons' commands arrive in "editor_command";
// the title and teaches line are typed into fields and taken from their properties.
//
// Prove runs the solver on a worker thread and shows its progress, then the solution's
// length, slack and pace or why the level cannot be won. Save writes the level's text
// into the player's levels when the level as it stands is proven, into the drafts
// otherwise. Test plays the level at once and comes back here; Back (or Escape) leaves
// for the player's levels, keeping unsaved work as a draft. Leaving stops a proof still running.
//
// Keys, while no field is typed into: the arrows move the cursor and Space or Enter
// paints under it; with Ctrl the arrows grow and shrink the board, Z undoes, Y redoes,
// S saves; P proves and T tests; a letter or digit chooses a brush (1 to 6 the die's
// colours, W white, K black, H hole, S start, G goal, F falls, N never falls, V wave,
// L extra life, O stop time, R reverse time, X no pick-up).
class LevelEditorState : public GameState {
public:
    LevelEditorState();
    ~LevelEditorState() override;

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "LevelEditorState"; }

    // For tests: the session edited and the proof running.
    const EditorSession& session() const { return *session_; }
    const ProofSearch& search() const { return search_; }
    const Position& cursor() const { return cursor_; }

protected:
    void drawUnderGui(GameStateInfo& info, const Camera& camera) override;

private:
    // Escape: ends the typing into a field, or leaves.
    void catchEscape(Gui& gui);
    void takeFields(Gui& gui);
    void takeEvents(GameStateInfo& info);
    void takeKey(const InputEvent& event, GameStateInfo& info);
    void takePointer(const InputEvent& event, Gui& gui);
    void runCommand(const std::string& command, GameStateInfo& info);
    void followProof();
    void save(GameStateInfo& info);
    void openDraft(GameStateInfo& info);
    void listDrafts(GameStateInfo& info);
    // The texts the screen shows, rewritten only when something changed.
    void publish(Gui& gui);
    void say(const std::string& status);
    GenericState* leave(GameStateInfo& info);

    EditorSession* session_ = nullptr;
    ProofSearch search_;
    BoardPlan plan_;
    ResourceHandle<Texture> backdrop_;
    Position cursor_{1, 1};
    Position hovered_;
    bool painting_ = false;
    std::string status_;
    uint32_t shownRevision_ = 0;
    bool stale_ = true;
    // The fields' values last taken, so that a change made here is not taken back.
    std::string title_;
    std::string teaches_;
    std::vector<std::string> drafts_;
    size_t draft_ = 0;
};

}  // namespace nimbus
