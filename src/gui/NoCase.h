#pragma once

#include <strings.h>

#include <string>

namespace nimbus {

// Names that the GUI document and the code compare (section, window, class and property
// names, transition conditions) ignore letter case. Ordered maps of such names use this
// order too, so what is saved from them comes out sorted the same way.
inline bool equalsNoCase(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

// Strict weak order by lower-cased bytes; lookups may use C strings without building a
// std::string.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
    bool operator()(const char* a, const std::string& b) const { return strcasecmp(a, b.c_str()) < 0; }
    bool operator()(const std::string& a, const char* b) const { return strcasecmp(a.c_str(), b) < 0; }
};

}  // namespace nimbus
