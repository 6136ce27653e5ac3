#include "core/InArchive.h"
#include "core/OutArchive.h"

namespace nimbus {

namespace {
InArchive* gInArchive = nullptr;
OutArchive* gOutArchive = nullptr;
}  // namespace

InArchive* inArchive() { return gInArchive; }

InArchive* setInArchive(InArchive* archive) {
    InArchive* previous = gInArchive;
    gInArchive = archive;
    return previous;
}

OutArchive* outArchive() { return gOutArchive; }

OutArchive* setOutArchive(OutArchive* archive) {
    OutArchive* previous = gOutArchive;
    gOutArchive = archive;
    return previous;
}

}  // namespace nimbus
