#pragma once

#include <deque>
#include <string>

namespace nimbus {

// Signals waiting for the GUI to fire their transitions; windows append to the back.
using SignalQueue = std::deque<std::string>;

}  // namespace nimbus
