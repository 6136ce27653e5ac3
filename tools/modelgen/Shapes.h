#pragma once

namespace nimbus {

class MeshBuilder;
struct PartDescription;

// The shape generators. Each builds its part in the part's own coordinates, centred on
// the origin, with outward unit normals; placement and texture mapping come after.

// A box of the part's size whose edges and corners are rounded with its radius (a
// radius of 0 gives sharp edges). Sides with a `face` rectangle get their texture
// coordinates here, seen from outside the side, upright for the four walls.
void buildBox(const PartDescription& part, MeshBuilder& mesh);

// A cylinder along y with its height and radius, caps rounded by its bevel.
void buildCylinder(const PartDescription& part, MeshBuilder& mesh);

// A sphere of the part's radius.
void buildSphere(const PartDescription& part, MeshBuilder& mesh);

// The part's outline in the x-z plane, extruded along y to its height, edges rounded
// by its bevel; hard corners between the outline's edges.
void buildPrism(const PartDescription& part, MeshBuilder& mesh);

}  // namespace nimbus
