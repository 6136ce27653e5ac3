#include "game/GameVersion.h"

namespace nimbus {

const char* gameVersion() { return NIMBUS_VERSION; }

}  // namespace nimbus
