// The ".fx" effect text, parsed as effect creation parses it (compiling needs a GL
// context and is left to the drivers), then walked: every technique, pass, vertex input
// and the parameters the game looks up by semantic, each array element given a value.
#include <string>

#include "FuzzTarget.h"
#include "render/fx/Fx.h"

namespace nimbus {
namespace {

const char* const kSemantics[] = {"WORLDVIEWPROJECTION",
                                  "VIEWPROJECTION",
                                  "WORLD",
                                  "VIEW",
                                  "PROJECTION",
                                  "TIME",
                                  "DIFFUSE",
                                  "COLOR0",
                                  "POSITION"};

void walkParameter(fx::Parameter* parameter) {
    const float values[16] = {};
    const int32_t elements = fx::arraySize(parameter);
    if (elements == 0) {
        fx::setParameter4fv(parameter, values);
        fx::setMatrixParameterfc(parameter, values);
        return;
    }
    for (int32_t i = 0; i < elements; ++i) {
        fx::Parameter* element = fx::arrayElement(parameter, i);
        fuzzCheck(element != nullptr, "an array parameter lacks one of its elements");
        fx::setParameter4fv(element, values);
    }
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    static fx::Context* context = fx::createContext();
    fx::registerStates(context);
    const std::string text(reinterpret_cast<const char*>(data), size);
    fx::Effect* effect = fx::createEffect(context, text.c_str());
    if (!effect) return 0;
    for (fx::Technique* t = fx::firstTechnique(effect); t; t = fx::nextTechnique(t)) {
        fuzzCheck(fx::namedTechnique(effect, fx::techniqueName(t)) != nullptr,
                  "a technique is not found by name");
        for (fx::Pass* pass = fx::firstPass(t); pass; pass = fx::nextPass(pass)) {
            fuzzCheck(fx::isPass(pass), "a pass is not a pass");
            fx::Program* program = fx::passVertexProgram(pass);
            fuzzCheck(program != nullptr, "a pass has no vertex program");
            for (fx::Input* input = fx::firstInput(program); input; input = fx::nextInput(input)) {
                fuzzCheck(fx::inputSemantic(input) != nullptr, "an input has no semantic");
            }
        }
    }
    for (const char* semantic : kSemantics) {
        if (fx::Parameter* parameter = fx::parameterBySemantic(effect, semantic)) walkParameter(parameter);
    }
    fx::getError(context);
    fx::destroyEffect(effect);
    return 0;
}
