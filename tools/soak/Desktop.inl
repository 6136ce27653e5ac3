#pragma once

#include <unistd.h>

template <typename Condition>
bool waitFor(float seconds, const Condition& condition) {
    for (int tenth = 0; tenth < static_cast<int>(seconds * 10); ++tenth) {
        if (condition()) return true;
        usleep(100000);
    }
    return condition();
}
