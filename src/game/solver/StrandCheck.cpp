#include "game/solver/StrandCheck.h"

#include <deque>
#include <vector>

namespace nimbus {

namespace {

bool standsForGood(const Board& board, const Position& p) {
    return board.isBorder(p) || board.tileAt(p).fallStep < 0;
}

class DieGraph {
public:
    DieGraph(const Board& board, const DieTurns& turns) : board_(board), turns_(turns) {}

    size_t count() const { return board_.tiles().size() * turns_.orientationCount(); }
    size_t index(const Position& p, int orientation) const {
        return board_.index(p) * turns_.orientationCount() + orientation;
    }
    Position cell(size_t state) const {
        const size_t at = state / turns_.orientationCount();
        return Position(static_cast<int32_t>(at % board_.width()), static_cast<int32_t>(at / board_.width()));
    }
    int orientation(size_t state) const { return static_cast<int>(state % turns_.orientationCount()); }
    bool isGoal(size_t state) const { return board_.tileAt(cell(state)).color == kGoal; }

    // The state a turn leads to from `state`, by colours alone; false when the roll is refused.
    bool next(size_t state, int which, size_t& to) const {
        const Position from = cell(state);
        const int o = orientation(state);
        Position target = from;
        if (which < 4) {
            target = from.stepped(which);
            if (!board_.contains(target) || !colorsMatch(board_.tileAt(target).color, turns_.faces(o)[which]))
                return false;
        }
        to = index(target, turns_.after(o, which));
        return true;
    }

private:
    const Board& board_;
    const DieTurns& turns_;
};

// Everywhere the die can get to from the start; a goal ends the level, so nothing goes
// on from one.
std::vector<bool> reachable(const DieGraph& graph, const Position& start) {
    std::vector<bool> reached(graph.count(), false);
    std::deque<size_t> frontier{graph.index(start, DieTurns::kStart)};
    reached[frontier.front()] = true;
    while (!frontier.empty()) {
        const size_t here = frontier.front();
        frontier.pop_front();
        if (graph.isGoal(here)) continue;
        for (int which = 0; which < DieTurns::kTurnCount; ++which) {
            size_t to = 0;
            if (graph.next(here, which, to) && !reached[to]) {
                reached[to] = true;
                frontier.push_back(to);
            }
        }
    }
    return reached;
}

// Where a goal can be reached over tiles that stand for good, worked back from the goals.
std::vector<bool> escaping(const Board& board, const DieGraph& graph) {
    std::vector<std::vector<size_t>> comingFrom(graph.count());
    std::vector<bool> escapes(graph.count(), false);
    std::deque<size_t> frontier;
    for (size_t state = 0; state < graph.count(); ++state) {
        if (graph.isGoal(state) || !standsForGood(board, graph.cell(state))) continue;
        for (int which = 0; which < DieTurns::kTurnCount; ++which) {
            size_t to = 0;
            if (!graph.next(state, which, to) || !standsForGood(board, graph.cell(to))) continue;
            if (graph.isGoal(to)) {
                if (!escapes[state]) frontier.push_back(state);
                escapes[state] = true;
            } else {
                comingFrom[to].push_back(state);
            }
        }
    }
    while (!frontier.empty()) {
        const size_t here = frontier.front();
        frontier.pop_front();
        for (size_t from : comingFrom[here]) {
            if (!escapes[from]) {
                escapes[from] = true;
                frontier.push_back(from);
            }
        }
    }
    return escapes;
}

}  // namespace

bool canStrand(const Board& board, const DieTurns& turns, Position& stranded) {
    Position start;
    if (!board.findStart(start)) return false;
    const DieGraph graph(board, turns);
    const std::vector<bool> reached = reachable(graph, start);
    const std::vector<bool> escapes = escaping(board, graph);
    for (size_t state = 0; state < graph.count(); ++state) {
        if (reached[state] && !graph.isGoal(state) && standsForGood(board, graph.cell(state)) &&
            !escapes[state]) {
            stranded = graph.cell(state);
            return true;
        }
    }
    return false;
}

}  // namespace nimbus
