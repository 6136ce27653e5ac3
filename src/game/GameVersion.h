#pragma once

namespace nimbus {

// The version of this build of the game, as the project gives it.
const char* gameVersion();

}  // namespace nimbus
