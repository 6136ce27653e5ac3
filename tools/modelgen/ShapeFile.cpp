#include "ShapeFile.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "ShapeLimits.h"
#include "core/Log.h"

namespace nimbus {

namespace {

using Tokens = std::vector<std::string>;

bool toFloat(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end != text.c_str() && *end == '\0' && std::isfinite(value);
}

bool toAxis(const std::string& text, int& axis) {
    static const char* const kAxes[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        if (text == kAxes[i]) {
            axis = i;
            return true;
        }
    }
    return false;
}

bool toSide(const std::string& text, int& side) {
    static const char* const kSides[] = {"-x", "+x", "-y", "+y", "-z", "+z"};
    for (int i = 0; i < 6; ++i) {
        if (text == kSides[i]) {
            side = i;
            return true;
        }
    }
    return false;
}

// The values of one key, already split off the line; `error` says what is wrong.
struct KeyValues {
    const Tokens& tokens;
    std::string error;

    bool numbers(size_t from, float* out, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (!toFloat(tokens[from + i], out[i])) {
                error = "'" + tokens[from + i] + "' is not a number";
                return false;
            }
        }
        return true;
    }
    bool vector(Vector3& v) { return numbers(0, &v.x, 1) && numbers(1, &v.y, 1) && numbers(2, &v.z, 1); }
    bool rect(size_t from, UvRect& r) {
        return numbers(from, &r.u0, 1) && numbers(from + 1, &r.v0, 1) && numbers(from + 2, &r.u1, 1) &&
               numbers(from + 3, &r.v1, 1);
    }
};

constexpr unsigned kBox = 1u << static_cast<int>(ShapeKind::Box);
constexpr unsigned kCylinder = 1u << static_cast<int>(ShapeKind::Cylinder);
constexpr unsigned kSphere = 1u << static_cast<int>(ShapeKind::Sphere);
constexpr unsigned kPrism = 1u << static_cast<int>(ShapeKind::Prism);
constexpr unsigned kAll = kBox | kCylinder | kSphere | kPrism;

bool segmentCount(KeyValues& v, int& count) {
    float n = 0.0f;
    if (!v.numbers(0, &n, 1)) return false;
    if (n != std::floor(n) || n < 1.0f || n > static_cast<float>(kMaxSegments)) {
        v.error = "must be a whole number from 1 to " + std::to_string(kMaxSegments);
        return false;
    }
    count = static_cast<int>(n);
    return true;
}

struct Key {
    const char* name;
    size_t valueCount;
    unsigned shapes;
    bool (*apply)(KeyValues& values, PartDescription& part);
};

const Key kKeys[] = {
    {"size", 3, kBox, [](KeyValues& v, PartDescription& p) { return v.vector(p.size); }},
    {"radius", 1, kBox | kCylinder | kSphere,
     [](KeyValues& v, PartDescription& p) { return v.numbers(0, &p.radius, 1); }},
    {"height", 1, kCylinder | kPrism,
     [](KeyValues& v, PartDescription& p) { return v.numbers(0, &p.height, 1); }},
    {"bevel", 1, kCylinder | kPrism,
     [](KeyValues& v, PartDescription& p) { return v.numbers(0, &p.bevel, 1); }},
    {"open", 1, kBox | kCylinder,
     [](KeyValues& v, PartDescription& p) {
         if (v.tokens[0] != "bottom" && v.tokens[0] != "bottom-at-rest") {
             v.error = "open takes bottom or bottom-at-rest, not '" + v.tokens[0] + "'";
             return false;
         }
         p.openBottom = true;
         p.bottomAtRest = v.tokens[0] == "bottom-at-rest";
         return true;
     }},
    {"painted", 0, kAll,
     [](KeyValues&, PartDescription& p) {
         p.painted = true;
         return true;
     }},
    {"segments", 1, kAll, [](KeyValues& v, PartDescription& p) { return segmentCount(v, p.segments); }},
    {"coarse", 1, kAll, [](KeyValues& v, PartDescription& p) { return segmentCount(v, p.coarseSegments); }},
    {"point", 2, kPrism,
     [](KeyValues& v, PartDescription& p) {
         std::array<float, 2> xz{};
         if (!v.numbers(0, xz.data(), 2)) return false;
         if (p.points.size() >= kMaxPrismPoints) {
             v.error = "a prism has at most " + std::to_string(kMaxPrismPoints) + " points";
             return false;
         }
         p.points.push_back(xz);
         return true;
     }},
    {"scale", 3, kAll, [](KeyValues& v, PartDescription& p) { return v.vector(p.scale); }},
    {"rotate", 2, kAll,
     [](KeyValues& v, PartDescription& p) {
         Rotation r;
         if (!toAxis(v.tokens[0], r.axis)) {
             v.error = "rotate needs an axis x, y or z, not '" + v.tokens[0] + "'";
             return false;
         }
         if (!v.numbers(1, &r.degrees, 1)) return false;
         p.rotations.push_back(r);
         return true;
     }},
    {"at", 3, kAll, [](KeyValues& v, PartDescription& p) { return v.vector(p.at); }},
    {"project", 1, kAll,
     [](KeyValues& v, PartDescription& p) {
         if (!toAxis(v.tokens[0], p.projectAxis)) {
             v.error = "project needs an axis x, y or z, not '" + v.tokens[0] + "'";
             return false;
         }
         p.uvMode = UvMode::Project;
         return true;
     }},
    {"uv", 4, kAll, [](KeyValues& v, PartDescription& p) { return v.rect(0, p.uv); }},
    {"area", 4, kAll,
     [](KeyValues& v, PartDescription& p) {
         p.hasArea = true;
         return v.rect(0, p.area);
     }},
    {"swatch", 2, kAll,
     [](KeyValues& v, PartDescription& p) {
         p.uvMode = UvMode::Swatch;
         return v.numbers(0, p.swatch, 2);
     }},
    {"face", 5, kBox,
     [](KeyValues& v, PartDescription& p) {
         int side = 0;
         if (!toSide(v.tokens[0], side)) {
             v.error = "face needs a side -x, +x, -y, +y, -z or +z, not '" + v.tokens[0] + "'";
             return false;
         }
         p.hasFace[static_cast<size_t>(side)] = true;
         return v.rect(1, p.faces[static_cast<size_t>(side)]);
     }},
};

struct ShapeName {
    const char* name;
    ShapeKind kind;
};

const ShapeName kShapes[] = {
    {"box", ShapeKind::Box},
    {"cylinder", ShapeKind::Cylinder},
    {"sphere", ShapeKind::Sphere},
    {"prism", ShapeKind::Prism},
};

const ShapeName* findShape(const std::string& word) {
    for (const ShapeName& s : kShapes) {
        if (word == s.name) return &s;
    }
    return nullptr;
}

const Key* findKey(const std::string& word) {
    for (const Key& k : kKeys) {
        if (word == k.name) return &k;
    }
    return nullptr;
}

Tokens tokenise(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    Tokens tokens;
    for (std::string word; in >> word;) tokens.push_back(word);
    return tokens;
}

class Parser {
public:
    Parser(const std::string& name, ModelDescription& model) : name_(name), model_(model) {}

    bool line(const Tokens& tokens, int number) {
        line_ = number;
        for (size_t i = 0; i < tokens.size();) {
            const std::string& word = tokens[i++];
            if (word == "texture") {
                if (i >= tokens.size()) return fail("texture needs a name");
                model_.texture = tokens[i++];
            } else if (word == "painting") {
                if (i >= tokens.size()) return fail("painting needs the name of the picture");
                model_.paintedTexture = tokens[i++];
            } else if (word == "stand") {
                model_.stand = true;
            } else if (const ShapeName* shape = findShape(word)) {
                if (!finishPart()) return false;
                model_.parts.emplace_back();
                model_.parts.back().kind = shape->kind;
                model_.parts.back().line = number;
            } else if (const Key* key = findKey(word)) {
                if (!applyKey(*key, tokens, i)) return false;
                i += key->valueCount;
            } else {
                return fail("unknown word '" + word + "'");
            }
        }
        return true;
    }

    bool finish() {
        if (!finishPart()) return false;
        line_ = 0;
        if (model_.texture.empty()) return fail("the model names no texture (add 'texture NAME')");
        if (model_.parts.empty()) return fail("the model has no part");
        bool anyPainted = false;
        for (const PartDescription& part : model_.parts) anyPainted = anyPainted || part.painted;
        if (anyPainted && model_.paintedTexture.empty())
            return fail("a part is painted but the model names no picture for it (add 'painting NAME')");
        return true;
    }

private:
    bool applyKey(const Key& key, const Tokens& tokens, size_t first) {
        if (model_.parts.empty()) return fail(std::string(key.name) + " before any part");
        PartDescription& part = model_.parts.back();
        if (!(key.shapes & (1u << static_cast<int>(part.kind)))) {
            return fail(std::string(key.name) + " does not apply to this shape");
        }
        if (first + key.valueCount > tokens.size()) {
            return fail(std::string(key.name) + " needs " + std::to_string(key.valueCount) + " value(s)");
        }
        const Tokens values(tokens.begin() + static_cast<long>(first),
                            tokens.begin() + static_cast<long>(first + key.valueCount));
        KeyValues kv{values, ""};
        if (!key.apply(kv, part)) return fail(std::string(key.name) + ": " + kv.error);
        return true;
    }

    bool finishPart() {
        if (model_.parts.empty()) return true;
        const PartDescription& part = model_.parts.back();
        const std::string problem = checkPart(part);
        if (problem.empty()) return true;
        line_ = part.line;
        return fail(problem);
    }

    bool fail(const std::string& reason) {
        if (line_ > 0) {
            LOG_ERROR(name_ << ":" << line_ << ": " << reason);
        } else {
            LOG_ERROR(name_ << ": " << reason);
        }
        return false;
    }

    const std::string& name_;
    ModelDescription& model_;
    int line_ = 0;
};

}  // namespace

bool ShapeFile::parse(const std::string& text, const std::string& name, ModelDescription& model) {
    model = ModelDescription();
    Parser parser(name, model);
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (!parser.line(tokenise(line), ++number)) return false;
    }
    return parser.finish();
}

bool ShapeFile::read(const std::string& path, ModelDescription& model) {
    std::ifstream in(path);
    if (!in) {
        LOG_ERROR(path << ": cannot be opened - " << systemErrorString(errno));
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str(), path, model);
}

}  // namespace nimbus
