#include "core/Stream.h"

namespace nimbus {

OutBuffer& operator<<(OutBuffer& out, const char* text) {
    for (; *text; ++text) {
        if (out.write(text, 1) != 1) break;
    }
    const char zero = '\0';
    out.write(&zero, 1);
    return out;
}

OutBuffer& operator<<(OutBuffer& out, const std::string& text) { return out << text.c_str(); }

InBuffer& operator>>(InBuffer& in, std::string& text) {
    while (in.bytesLeft() > 0) {
        char c = '\0';
        in.read(&c, 1);
        if (c == '\0') break;
        text.push_back(c);
    }
    return in;
}

}  // namespace nimbus
