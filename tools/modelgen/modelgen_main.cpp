// The model tool: reads a shape file (see ShapeFile.h) and writes the ".model" file of
// its one mesh, or with --coarse or --closed of that build. Exits 1, with the file (and
// line) named, when anything fails.
#include <cstring>

#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/Log.h"

namespace {

struct Build {
    const char* option;
    nimbus::ModelDescription (*make)(const nimbus::ModelDescription&);
};

constexpr Build kBuilds[] = {{"--coarse", nimbus::coarseModel}, {"--closed", nimbus::closedModel}};

}  // namespace

int main(int argc, char** argv) {
    const Build* build = nullptr;
    for (const Build& b : kBuilds)
        if (argc == 4 && std::strcmp(argv[3], b.option) == 0) build = &b;
    if (argc != 3 && !build) {
        LOG_ERROR("usage: nimbus_modelgen SHAPE_FILE OUTPUT.model [--coarse | --closed]");
        return 1;
    }
    nimbus::ModelDescription model;
    if (!nimbus::ShapeFile::read(argv[1], model)) return 1;
    return nimbus::writeModel(build ? build->make(model) : model, argv[1], argv[2]) ? 0 : 1;
}
