// The settings file, read as the game starts: whatever it holds, the keys come out usable
// (no two actions on one key), and what is written back reads as the same settings.
#include <string>

#include "FuzzTarget.h"
#include "game/player/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    Settings settings;
    settings.read(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
    fuzzCheck(settings.keys.consistent(), "two actions share a key");
    Settings reread;
    reread.read(settings.write(), "rewritten");
    fuzzCheck(reread == settings, "the settings do not read back as written");
    return 0;
}
