#pragma once

// The end-to-end test finds the board helpers by this path.
#include "support/GameFixture.h"
