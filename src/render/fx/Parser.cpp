#include "render/fx/Parser.h"

#include <strings.h>

#include <cstdlib>
#include <sstream>

#include "render/fx/Lexer.h"
#include "render/fx/Objects.h"

namespace nimbus::fx {

namespace {

struct TypeInfo {
    const char* name;
    ParameterType type;
    int components;
};

const TypeInfo kTypes[] = {
    {"float", ParameterType::Float, 1}, {"vec2", ParameterType::Vec2, 2},
    {"vec3", ParameterType::Vec3, 3},   {"vec4", ParameterType::Vec4, 4},
    {"mat4", ParameterType::Mat4, 16},  {"sampler2D", ParameterType::Sampler2D, 0},
};

// The parameter type of that name, or null.
const TypeInfo* typeNamed(const std::string& name) {
    for (const TypeInfo& type : kTypes) {
        if (name == type.name) return &type;
    }
    return nullptr;
}

// GLSL numbers the line after "#line N" as N + 1 in the versions before 3.30.
std::string lineDirective(int line) { return "#line " + std::to_string(line - 1) + "\n"; }

// A pass's program as the file names it, resolved once every program is known.
struct ProgramRef {
    Pass* pass;
    std::string vertex, fragment;
    int vertexLine = 0, fragmentLine = 0;
};

class Parser {
public:
    Parser(Context* context, const std::string& text, std::string& listing)
        : text_(text), lexer_(text_), listing_(listing) {
        effect_ = std::make_unique<Effect>();
        effect_->context = context;
    }

    Effect* run() {
        for (Token t = lexer_.next(); t.kind != Token::End; t = lexer_.next()) {
            if (!topLevel(t)) return nullptr;
        }
        if (!resolvePrograms()) return nullptr;
        for (auto& program : effect_->programs) {
            program->source =
                "#version 120\n" + prelude_ + lineDirective(program->line) + program->source + "\n";
        }
        return effect_.release();
    }

private:
    bool fail(int line, const std::string& message) {
        std::ostringstream s;
        s << "line " << line << ": " << message << "\n";
        listing_ += s.str();
        return false;
    }

    bool expect(const char* punct, const char* where) {
        const Token t = lexer_.next();
        if (t.is(punct)) return true;
        return fail(t.line, std::string("expected '") + punct + "' " + where + describe(t));
    }

    bool word(Token& t, const char* what) {
        t = lexer_.next();
        if (t.kind == Token::Word) return true;
        return fail(t.line, std::string("expected ") + what + describe(t));
    }

    static std::string describe(const Token& t) {
        if (t.kind == Token::End) return ", found the end of the file";
        if (t.kind == Token::Bad) return ", found " + t.text;
        return ", found '" + t.text + "'";
    }

    bool topLevel(const Token& t) {
        if (t.kind == Token::Bad) return fail(t.line, t.text);
        if (t.kind == Token::Word) {
            if (t.text == "uniform") return parameter();
            if (t.text == "shared") return shared(t);
            if (t.text == "vertex") return program(true);
            if (t.text == "fragment") return program(false);
            if (t.text == "technique") return technique();
        }
        return fail(t.line,
                    "expected uniform, shared, vertex, fragment or technique, found '" + t.text + "'");
    }

    bool parameter() {
        Token type, name;
        if (!word(type, "a parameter type") || !word(name, "a parameter name")) return false;
        const TypeInfo* info = typeNamed(type.text);
        if (!info) return fail(type.line, "unsupported parameter type '" + type.text + "'");
        for (auto& existing : effect_->parameters) {
            if (existing->name == name.text)
                return fail(name.line, "parameter " + name.text + " declared twice");
        }
        auto p = std::make_unique<Parameter>();
        p->effect = effect_.get();
        p->name = name.text;
        p->type = info->type;
        p->components = info->components;
        p->ordinal = effect_->parameters.size();
        if (!parameterEnd(*p)) return false;
        prelude_ += lineDirective(name.line) + "uniform " + type.text + " " + name.text +
                    (p->arraySize > 0 ? "[" + std::to_string(p->arraySize) + "]" : "") + ";\n";
        addParameter(std::move(p));
        return true;
    }

    // What may follow a parameter's name, an array size and a semantic, up to the ';'.
    bool parameterEnd(Parameter& p) {
        Token t = lexer_.next();
        if (t.is("[")) {
            const Token size = lexer_.next();
            const long n = size.kind == Token::Number ? std::strtol(size.text.c_str(), nullptr, 10) : 0;
            if (n <= 0 || n > 4096)
                return fail(size.line, "array size of " + p.name + " must be a positive number");
            if (p.type == ParameterType::Sampler2D)
                return fail(size.line, "sampler arrays are not supported");
            p.arraySize = static_cast<int32_t>(n);
            if (!expect("]", "after the array size")) return false;
            t = lexer_.next();
        }
        if (t.is(":")) {
            Token semantic;
            if (!word(semantic, "a semantic")) return false;
            p.semantic = semantic.text;
            t = lexer_.next();
        }
        if (!t.is(";")) return fail(t.line, "expected ';' after parameter " + p.name + describe(t));
        return true;
    }

    // Gives a declared parameter its values, the elements of an array and a sampler's
    // texture unit, and adds it to the effect.
    void addParameter(std::unique_ptr<Parameter> p) {
        p->values.assign(static_cast<size_t>(p->components) * (p->arraySize > 0 ? p->arraySize : 1), 0.0f);
        for (int32_t i = 0; i < p->arraySize; ++i) {
            auto element = std::make_unique<Parameter>();
            element->effect = effect_.get();
            element->name = p->name;
            element->type = p->type;
            element->components = p->components;
            element->parent = p.get();
            element->index = i;
            p->elements.push_back(std::move(element));
        }
        if (p->type == ParameterType::Sampler2D) {
            p->unit = static_cast<int>(effect_->samplers.size());
            effect_->samplers.push_back(p.get());
        }
        effect_->parameters.push_back(std::move(p));
    }

    bool shared(const Token& keyword) {
        if (!expect("{", "after shared")) return false;
        const int line = lexer_.line();
        std::string body;
        if (!lexer_.block(body)) return fail(keyword.line, "unbalanced braces in the shared block");
        prelude_ += lineDirective(line) + body + "\n";
        return true;
    }

    bool program(bool vertex) {
        Token name;
        if (!word(name, "a program name")) return false;
        for (auto& existing : effect_->programs) {
            if (existing->name == name.text)
                return fail(name.line, "program " + name.text + " declared twice");
        }
        if (!expect("{", ("after program " + name.text).c_str())) return false;
        auto p = std::make_unique<Program>();
        p->effect = effect_.get();
        p->name = name.text;
        p->vertex = vertex;
        p->line = lexer_.line();
        if (!lexer_.block(p->source)) return fail(name.line, "unbalanced braces in program " + name.text);
        if (vertex && !attributes(*p)) return false;
        effect_->programs.push_back(std::move(p));
        return true;
    }

    // Records "attribute TYPE NAME : SEMANTIC;" declarations and blanks their semantics out,
    // keeping every other character where it was so that GLSL line numbers stay true.
    bool attributes(Program& p) {
        Lexer code(p.source, p.line);
        for (Token t = code.next(); t.kind != Token::End; t = code.next()) {
            if (t.kind != Token::Word || t.text != "attribute") continue;
            const Token type = code.next(), name = code.next();
            Token t2 = code.next();
            if (type.kind != Token::Word || name.kind != Token::Word) {
                return fail(t.line, "malformed attribute declaration in program " + p.name);
            }
            auto input = std::make_unique<Input>();
            input->program = &p;
            input->name = name.text;
            if (t2.is(":")) {
                const Token semantic = code.next();
                if (semantic.kind != Token::Word)
                    return fail(t2.line, "expected a semantic for attribute " + name.text);
                input->semantic = semantic.text;
                for (size_t i = t2.begin; i < semantic.end; ++i) {
                    if (p.source[i] != '\n') p.source[i] = ' ';
                }
                t2 = code.next();
            }
            if (!t2.is(";")) return fail(t2.line, "expected ';' after attribute " + name.text);
            if (!p.inputs.empty()) p.inputs.back()->next = input.get();
            p.inputs.push_back(std::move(input));
        }
        return true;
    }

    bool technique() {
        Token name;
        if (!word(name, "a technique name")) return false;
        for (auto& existing : effect_->techniques) {
            if (existing->name == name.text)
                return fail(name.line, "technique " + name.text + " declared twice");
        }
        if (!expect("{", ("after technique " + name.text).c_str())) return false;
        auto tech = std::make_unique<Technique>();
        tech->effect = effect_.get();
        tech->name = name.text;
        for (Token t = lexer_.next(); !t.is("}"); t = lexer_.next()) {
            if (t.kind != Token::Word || t.text != "pass") {
                return fail(t.line, "expected pass or '}' in technique " + name.text + describe(t));
            }
            if (!pass(*tech, t.line)) return false;
        }
        if (tech->passes.empty()) return fail(name.line, "technique " + name.text + " has no pass");
        if (!effect_->techniques.empty()) effect_->techniques.back()->next = tech.get();
        effect_->techniques.push_back(std::move(tech));
        return true;
    }

    bool pass(Technique& tech, int line) {
        auto p = std::make_unique<Pass>();
        p->technique = &tech;
        p->line = line;
        Token t = lexer_.next();
        if (t.kind == Token::Word) {
            p->name = t.text;
            t = lexer_.next();
        }
        if (!t.is("{")) return fail(t.line, "expected '{' after pass" + describe(t));
        ProgramRef ref{p.get(), "", "", 0, 0};
        for (t = lexer_.next(); !t.is("}"); t = lexer_.next()) {
            if (t.kind != Token::Word) return fail(t.line, "expected a pass state" + describe(t));
            if (!expect("=", ("after " + t.text).c_str())) return false;
            if (!assignment(*p, ref, t)) return false;
            if (!expect(";", ("after the value of " + t.text).c_str())) return false;
        }
        refs_.push_back(ref);
        if (!tech.passes.empty()) tech.passes.back()->next = p.get();
        tech.passes.push_back(std::move(p));
        return true;
    }

    bool assignment(Pass& p, ProgramRef& ref, const Token& state) {
        if (strcasecmp(state.text.c_str(), "VertexProgram") == 0 ||
            strcasecmp(state.text.c_str(), "FragmentProgram") == 0) {
            const bool vertex = strcasecmp(state.text.c_str(), "VertexProgram") == 0;
            Token name;
            if (!word(name, "a program name")) return false;
            (vertex ? ref.vertex : ref.fragment) = name.text;
            (vertex ? ref.vertexLine : ref.fragmentLine) = name.line;
            return true;
        }
        const RenderState* rs = findRenderState(state.text);
        if (!rs) return fail(state.line, "unknown pass state " + state.text);
        if (!effect_->context->statesRegistered) {
            return fail(state.line,
                        "render state " + state.text + " used, but the context has no render states");
        }
        for (const StateAssignment& a : p.states) {
            if (a.state == rs) return fail(state.line, "pass state " + state.text + " set twice");
        }
        StateAssignment a;
        a.state = rs;
        if (!value(*rs, a.value)) return false;
        p.states.push_back(a);
        return true;
    }

    bool value(const RenderState& rs, StateValue& v) {
        const std::string what = std::string("for ") + stateName(rs);
        switch (stateSyntax(rs)) {
            case StateSyntax::Boolean: {
                Token t;
                if (!word(t, ("true or false " + what).c_str())) return false;
                if (strcasecmp(t.text.c_str(), "true") != 0 && strcasecmp(t.text.c_str(), "false") != 0) {
                    return fail(t.line, "expected true or false " + what + ", found '" + t.text + "'");
                }
                v.ints[0] = strcasecmp(t.text.c_str(), "true") == 0;
                return true;
            }
            case StateSyntax::Name: {
                Token t;
                if (!word(t, ("a value " + what).c_str())) return false;
                if (!stateNameValue(rs, t.text, v.ints[0]))
                    return fail(t.line, "unknown value " + t.text + " " + what);
                v.ints[1] = v.ints[0];
                return true;
            }
            case StateSyntax::NamePair: {
                Token a, b;
                if (!expect("(", what.c_str()) || !word(a, ("a value " + what).c_str()) ||
                    !expect(",", what.c_str()) || !word(b, ("a value " + what).c_str()) ||
                    !expect(")", what.c_str())) {
                    return false;
                }
                if (!stateNameValue(rs, a.text, v.ints[0]))
                    return fail(a.line, "unknown value " + a.text + " " + what);
                if (!stateNameValue(rs, b.text, v.ints[1]))
                    return fail(b.line, "unknown value " + b.text + " " + what);
                v.ints[2] = v.ints[0];
                v.ints[3] = v.ints[1];
                return true;
            }
            case StateSyntax::Number: {
                const Token t = lexer_.next();
                if (t.kind != Token::Number) return fail(t.line, "expected a number " + what + describe(t));
                v.number = std::strtof(t.text.c_str(), nullptr);
                return true;
            }
        }
        return false;
    }

    Program* findProgram(const std::string& name) {
        for (auto& p : effect_->programs) {
            if (p->name == name) return p.get();
        }
        return nullptr;
    }

    bool resolveOne(const ProgramRef& ref, bool vertex) {
        const std::string& name = vertex ? ref.vertex : ref.fragment;
        const char* state = vertex ? "VertexProgram" : "FragmentProgram";
        const std::string pass = ref.pass->name.empty() ? "a pass" : "pass " + ref.pass->name;
        if (name.empty())
            return fail(ref.pass->line,
                        pass + " of technique " + ref.pass->technique->name + " has no " + state);
        Program* program = findProgram(name);
        const int line = vertex ? ref.vertexLine : ref.fragmentLine;
        if (!program) return fail(line, std::string(state) + " " + name + " does not exist");
        if (program->vertex != vertex) {
            return fail(line, name + " is a " + (program->vertex ? "vertex" : "fragment") +
                                  " program, not a " + (vertex ? "vertex" : "fragment") + " program");
        }
        (vertex ? ref.pass->vertex : ref.pass->fragment) = program;
        return true;
    }

    bool resolvePrograms() {
        for (const ProgramRef& ref : refs_) {
            if (!resolveOne(ref, true) || !resolveOne(ref, false)) return false;
        }
        return true;
    }

    const std::string text_;
    Lexer lexer_;
    std::string& listing_;
    std::unique_ptr<Effect> effect_;
    std::string prelude_;
    std::vector<ProgramRef> refs_;
};

}  // namespace

Effect* parseEffect(Context* context, const char* text, std::string& listing) {
    return Parser(context, text ? text : "", listing).run();
}

}  // namespace nimbus::fx
