// A compiled message catalogue, read as the game reads a language's, then used: every
// message looked up by its original and its translation formatted where it is a format,
// as the game shows them.
#include <cstdio>
#include <string>

#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "core/MessageCatalogue.h"
#include "core/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    MessageCatalogue catalogue;
    if (!catalogue.read(in)) {
        fuzzCheck(catalogue.messages().empty(), "a refused catalogue keeps messages");
        return 0;
    }
    for (const MessageCatalogue::Message& message : catalogue.messages()) {
        const std::string original(message.original);
        const char* found = catalogue.find(original);
        fuzzCheck(found != nullptr, "a message is not found by its original");
        const std::string translation(found);
        touch(found, translation.size() + 1);
        fuzzCheck(wellFormedUtf8Prefix(translation) == translation.size(), "a translation is not UTF-8");
        fuzzCheck(placeholders(original) == placeholders(translation), "a translation's placeholders differ");
        // A format the game fills with a number, as the level-complete panel does: safe
        // only for a translation whose placeholders are the original's.
        if (placeholders(original) == "%i ") {
            char text[64];
            std::snprintf(text, sizeof text, found, 42);
        }
    }
    return 0;
}
