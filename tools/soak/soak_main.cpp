// Plays the real game for a long time as a player would and watches its memory:
//
//   nimbus_soak [MINUTES]      (10 by default)
//
// Cycle after cycle: Play, a few rolls of level 01, back to the menu; every fourth cycle
// level 01 is completed instead, every fifth the high-score table is opened. The game's
// resident memory and its tracked live heap (printed on SIGUSR1) are sampled after every
// cycle. Fails (exit 1) on a crash, a screen that does not come, an error line, or growth
// after the first minute of more than 1 MiB of live heap or 4 MiB of resident memory.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"

using namespace player;

namespace {

constexpr long kHeapGrowthLimit = 1L << 20;
constexpr long kResidentGrowthLimit = 4L << 20;
const char* const kLevel01 = NIMBUS_SOURCE_DIR "/assets/levels/01.level";

struct Sample {
    long resident = -1;
    long heap = -1;
};

long residentBytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long kib = -1;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> kib;
            break;
        }
    }
    return kib < 0 ? -1 : kib * 1024;
}

// The last heap line the game printed after being asked for one.
long liveHeap(GameInstall& game) {
    const size_t before = game.output().size();
    game.signal(SIGUSR1);
    long bytes = -1;
    waitFor(5.0f, [&] {
        const std::string output = game.output();
        const size_t line = output.rfind("Live heap: ");
        if (line == std::string::npos || line < before) return false;
        bytes = std::atol(output.c_str() + line + 11);
        return true;
    });
    return bytes;
}

bool fail(const char* what, int cycle) {
    std::printf("soak failed in cycle %d: %s\n", cycle, what);
    return false;
}

// One round from the front end back to it.
bool cycle(Desktop& desktop, int number) {
    if (number % 5 == 4) {
        desktop.click(kScoresButton.x, kScoresButton.y);
        if (!waitFor(kWait, [&] { return scoresShown(desktop); })) return fail("no high-score table", number);
        if (!clickUntil(desktop, kCentre, frontEndShown) || !frontEndReady(desktop))
            return fail("no way back", number);
    }
    desktop.click(kPlayButton.x, kPlayButton.y);
    if (!levelArrives(desktop)) return fail("level 01 did not start", number);
    const bool complete = number % 4 == 3;
    playSolution(desktop, kLevel01, complete ? -1 : 3);
    if (complete) {
        if (!levelCompleteReady(desktop)) return fail("level 01 not won", number);
        desktop.click(kNextButton.x, kNextButton.y);
        if (!levelArrives(desktop)) return fail("level 02 did not start", number);
    }
    if (!clickUntil(desktop, kMenuButton, frontEndShown) || !frontEndReady(desktop))
        return fail("no way back to the menu", number);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
    Desktop desktop;
    GameInstall game;
    if (!desktop.ready() || !game.start(desktop.name())) {
        std::printf("soak failed: no display or no game\n");
        return 1;
    }
    if (!frontEndReady(desktop)) {
        std::printf("soak failed: no front end\n");
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    auto elapsedMinutes = [&] { return std::chrono::duration<double>(Clock::now() - start).count() / 60.0; };
    Sample first, last;
    int cycles = 0;
    bool ok = true;
    while (ok && elapsedMinutes() < minutes) {
        ok = cycle(desktop, cycles);
        if (game.waitForExit(0.0f) != -1 || game.pid() <= 0) ok = fail("the game has gone", cycles);
        if (!ok) break;
        ++cycles;
        const Sample now{residentBytes(game.pid()), liveHeap(game)};
        if (first.resident < 0 && elapsedMinutes() >= 1.0) first = now;
        last = now;
        std::printf("minute %.1f, cycle %d: resident %ld KiB, live heap %ld bytes\n", elapsedMinutes(),
                    cycles, now.resident / 1024, now.heap);
        std::fflush(stdout);
    }
    game.signal(SIGTERM);
    const int code = game.waitForExit(kWait);
    const bool errors = game.output().find("Error") != std::string::npos;
    std::printf(
        "cycles %d; resident at minute 1 %ld KiB, at the end %ld KiB; live heap at minute 1 %ld bytes, "
        "at the end %ld bytes; exit code %d; error lines: %s\n",
        cycles, first.resident / 1024, last.resident / 1024, first.heap, last.heap, code,
        errors ? "yes" : "none");
    if (errors) std::printf("%s", game.output().c_str());
    const bool grew = first.resident >= 0 && (last.heap - first.heap > kHeapGrowthLimit ||
                                              last.resident - first.resident > kResidentGrowthLimit);
    if (grew) std::printf("soak failed: memory grew after the first minute\n");
    return ok && code == 0 && !errors && !grew ? 0 : 1;
}
