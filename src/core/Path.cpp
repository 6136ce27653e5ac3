#include "core/Path.h"

#include <vector>

namespace nimbus {

namespace {

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto slash = text.find('/', start);
        parts.push_back(text.substr(start, slash - start));
        if (slash == std::string::npos) return parts;
        start = slash + 1;
    }
}

std::string joinParts(const std::vector<std::string>& parts, size_t from = 0) {
    std::string text;
    for (size_t i = from; i < parts.size(); ++i) {
        if (i > from) text += '/';
        text += parts[i];
    }
    return text;
}

}  // namespace

Path Path::parent() const {
    const auto slash = text_.rfind('/');
    return slash == std::string::npos ? Path() : Path(text_.substr(0, slash));
}

std::string Path::leaf() const {
    const auto slash = text_.rfind('/');
    return slash == std::string::npos ? text_ : text_.substr(slash + 1);
}

std::string Path::extension() const {
    const auto mark = text_.find_last_of("./");
    if (mark == std::string::npos || text_[mark] != '.') return std::string();
    return text_.substr(mark);
}

std::string Path::stem() const {
    const std::string name = leaf();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

Path Path::normalise() const {
    std::vector<std::string> parts = split(text_);
    for (;;) {
        size_t i = 0;
        while (i < parts.size() && parts[i] != "..") ++i;
        if (i == parts.size()) break;
        if (i == 0) return Path();
        parts.erase(parts.begin() + (i - 1), parts.begin() + (i + 1));
    }
    return Path(joinParts(parts));
}

Path join(const Path& a, const Path& b) {
    std::string text = a.str();
    if (!text.empty() && text.back() != '/') text += '/';
    const std::string& tail = b.str();
    text += (!tail.empty() && tail[0] == '/') ? tail.substr(1) : tail;
    return Path(text);
}

Path relative(const Path& base, const Path& target) {
    if (!base.isAbsolute() || !target.isAbsolute()) return Path();
    const std::vector<std::string> from = split(base.str());
    const std::vector<std::string> to = split(target.str());
    size_t common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
    Path result;
    for (size_t i = common; i < from.size(); ++i) result = join(result, "..");
    for (size_t i = common; i < to.size(); ++i) result = join(result, to[i]);
    return result;
}

}  // namespace nimbus
