// The model tool: reads a shape file (see ShapeFile.h) and writes the ".model" file of
// its one mesh. Exits 1, with the file (and line) named, when anything fails.
#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/Log.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        LOG_ERROR("usage: nimbus_modelgen SHAPE_FILE OUTPUT.model");
        return 1;
    }
    nimbus::ModelDescription model;
    if (!nimbus::ShapeFile::read(argv[1], model)) return 1;
    return nimbus::writeModel(model, argv[1], argv[2]) ? 0 : 1;
}
