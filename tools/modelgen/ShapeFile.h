#pragma once

#include <string>

#include "ModelDescription.h"

namespace nimbus {

// Reads the text that describes a procedural model. One statement per line, '#' starts
// a comment:
//   texture NAME            the diffuse texture the model names
//   stand                   lift the model so that it stands on its origin
//   painting NAME           the picture the coarse build names, into which the texture
//                           tool paints the parts marked painted
//   box | cylinder | sphere | prism   starts a part; keys of the part follow on the
//                           same line or the next ones
// Part keys: size X Y Z; radius R; height H; bevel B; open bottom (box or cylinder: no
// base, for one standing on a face that hides it); open bottom-at-rest (no base but in
// the closed build, for one seen from below only when it leaves its rest); painted (left
// out of the coarse build, which shows it painted into its picture); segments N; coarse N
// (the segments of the coarse build, for copies drawn far away or small); point X Z (prism
// outline, repeated); scale X Y Z; rotate x|y|z DEGREES (repeatable); at X Y Z;
// project x|y|z; uv U0 V0 U1 V1; area A0 B0 A1 B1; swatch U V;
// face -x|+x|-y|+y|-z|+z U0 V0 U1 V1 (box only).
// Anything unknown, misplaced, malformed or out of range is reported as
// "FILE:LINE: reason" and the whole description is refused.
class ShapeFile {
public:
    // Parses `text`; `name` is the file name used in messages.
    static bool parse(const std::string& text, const std::string& name, ModelDescription& model);
    // Reads and parses a file.
    static bool read(const std::string& path, ModelDescription& model);
};

}  // namespace nimbus
