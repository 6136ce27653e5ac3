#pragma once

#include <string>

#include "ModelDescription.h"
#include "render/ModelFile.h"

namespace nimbus {

// Builds the one mesh of a model from its description: each part generated in its own
// coordinates, given texture coordinates (its box faces, a projection or a swatch),
// then scaled, rotated and moved into place. False, with `name` in the message, when
// the mesh would need more vertices than 16-bit indices reach.
bool buildModel(const ModelDescription& model, const std::string& name, ModelMeshData& mesh);

// The model as its coarse build has it: each part with its coarse segment count, where
// it gives one, the painted parts left out and then the painted picture named.
ModelDescription coarseModel(const ModelDescription& model);

// The model as its closed build has it, to be seen from any side: each part open only
// at rest gets its bottom back.
ModelDescription closedModel(const ModelDescription& model);

// Builds the model and writes it as a ".model" file with one mesh; false, with the
// file named, on any failure.
bool writeModel(const ModelDescription& model, const std::string& name, const std::string& path);

}  // namespace nimbus
