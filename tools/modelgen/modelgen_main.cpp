// The model tool: reads a shape file (see ShapeFile.h) and writes the ".model" file of
// its one mesh, or with --coarse of its coarse build. Exits 1, with the file (and line)
// named, when anything fails.
#include <cstring>

#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/Log.h"

int main(int argc, char** argv) {
    const bool coarse = argc == 4 && std::strcmp(argv[3], "--coarse") == 0;
    if (argc != 3 && !coarse) {
        LOG_ERROR("usage: nimbus_modelgen SHAPE_FILE OUTPUT.model [--coarse]");
        return 1;
    }
    nimbus::ModelDescription model;
    if (!nimbus::ShapeFile::read(argv[1], model)) return 1;
    return nimbus::writeModel(coarse ? nimbus::coarseModel(model) : model, argv[1], argv[2]) ? 0 : 1;
}
