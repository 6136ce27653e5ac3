#include "render/gl/AttributeBinding.h"

#include <strings.h>

#include "render/VertexBuffer.h"

namespace nimbus {

namespace {

constexpr VertexUsage kBoundUsages[] = {VertexUsage::Position,    VertexUsage::Normal,
                                        VertexUsage::TexCoord0,   VertexUsage::Color0,
                                        VertexUsage::BoneIndices, VertexUsage::BlendWeights};

fx::Input* inputFor(fx::Program* program, VertexUsage usage) {
    const char* semantic = semanticOf(usage);
    for (fx::Input* in = fx::firstInput(program); in; in = fx::nextInput(in)) {
        if (strcasecmp(fx::inputSemantic(in), semantic) == 0) return in;
    }
    return nullptr;
}

}  // namespace

AttributeBinding bindAttributes(fx::Pass* pass, VertexBuffer& vertices) {
    AttributeBinding binding{fx::passVertexProgram(pass), &vertices};
    const VertexFormat format = vertices.getFormat();
    const uint8_t* base = vertices.bind();
    for (VertexUsage usage : kBoundUsages) {
        if (!format.has(usage)) continue;
        fx::Input* input = inputFor(binding.program, usage);
        if (!input) continue;
        fx::setInputPointer(input, static_cast<int32_t>(format.countOf(usage)), format.typeOf(usage),
                            static_cast<int32_t>(format.stride()), base + format.offsetOf(usage));
        fx::enableInput(input);
    }
    return binding;
}

void unbindAttributes(const AttributeBinding& binding) {
    if (!binding.vertices) return;
    const VertexFormat& format = binding.vertices->getFormat();
    for (VertexUsage usage : kBoundUsages) {
        if (!format.has(usage)) continue;
        if (fx::Input* input = inputFor(binding.program, usage)) fx::disableInput(input);
    }
    binding.vertices->unbind();
}

}  // namespace nimbus
