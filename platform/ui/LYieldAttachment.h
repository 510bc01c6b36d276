#pragma once
// Makes the main thread yield to the other threads on every event loop pass.
// A quantum of -1 yields every time; a positive quantum yields when that many
// ticks have passed since the last yield.

#include <chrono>

#include "ui/LAttachment.h"

class LYieldAttachment : public LAttachment {
public:
    explicit LYieldAttachment(SInt32 quantum = -1) : LAttachment(msg_Event), quantum(quantum) {}

protected:
    void ExecuteSelf(MessageT message, void* param) override;

private:
    SInt32 quantum;
    std::chrono::steady_clock::time_point lastYield{};
};
