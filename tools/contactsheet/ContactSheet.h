#pragma once

#include "Image.h"
#include "ModelRaster.h"
#include "render/ModelFile.h"

namespace nimbus {

// A grid of square cells on a dark ground: pictures fitted into cells over a
// checkerboard (so transparency shows), and models drawn lit, seen from the side the
// game's camera looks from (towards x - 1 and z - 1, from above), which shows three of
// their sides. Everything is drawn at twice the size and halved at the end.
class ContactSheet {
public:
    ContactSheet(int columns, int rows, int cellSize);

    void addPicture(const Image& picture);
    // Draws a mesh with its diffuse picture and the sphere map (may be empty).
    void addModel(const ModelMeshData& mesh, const Image& diffuse, const Image& envmap);
    // A raster over the next free cell, for a scene of several meshes; the cell counts
    // as used. Call only while there is room.
    ModelRaster sceneCell();
    // True while there is a free cell.
    bool hasRoom() const { return next_ < columns_ * rows_; }
    // The finished sheet at its cell size.
    Image finish() const { return canvas_.halved(); }

private:
    void cellOrigin(int& x, int& y) const;

    int columns_, rows_, cell_;
    int next_ = 0;
    Image canvas_;
};

}  // namespace nimbus
