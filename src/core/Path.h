#pragma once

#include <string>

namespace nimbus {

// An archive path: "/"-separated, absolute when it begins with "/". A plain value,
// compared and ordered as its string. Every operation is a pure function.
class Path {
public:
    Path() = default;
    Path(const char* text) : text_(text ? text : "") {}  // NOLINT: paths read like strings
    Path(std::string text) : text_(std::move(text)) {}   // NOLINT

    const std::string& str() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    bool empty() const { return text_.empty(); }
    bool isAbsolute() const { return !text_.empty() && text_[0] == '/'; }

    // Everything before the last "/" (empty when there is none).
    Path parent() const;
    // Everything after the last "/" (the whole path when there is none).
    std::string leaf() const;
    // From the last "." to the end, when that "." comes after the last "/"; else "".
    std::string extension() const;
    // The leaf without its extension.
    std::string stem() const;
    // Removes each ".." with the component before it; a leading ".." gives "".
    Path normalise() const;
    // The native form; "/" is the native separator here, so both are the identity.
    std::string toNative() const { return text_; }
    static Path fromNative(const std::string& native) { return Path(native); }

    bool operator==(const Path& other) const { return text_ == other.text_; }
    bool operator!=(const Path& other) const { return text_ != other.text_; }
    bool operator<(const Path& other) const { return text_ < other.text_; }

private:
    std::string text_;
};

// a, a separator unless a is empty or ends in one, then b without a leading "/".
Path join(const Path& a, const Path& b);
// The target seen from the base; both must be absolute, else empty.
Path relative(const Path& base, const Path& target);

}  // namespace nimbus
