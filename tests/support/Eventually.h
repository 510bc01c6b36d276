#pragma once
// Waiting for what another process does: privileged commands and quit
// requests are started and not waited for.

#include <chrono>
#include <functional>
#include <thread>

// Calls condition until it holds, for at most about five seconds (a loaded
// machine may be slow to start what was asked for).
inline bool eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 250; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}
