#include "ui/LYieldAttachment.h"

#include "ui/LThread.h"

void LYieldAttachment::ExecuteSelf(MessageT /*message*/, void* /*param*/)
{
    auto now = std::chrono::steady_clock::now();
    if (quantum > 0 && now - lastYield < std::chrono::milliseconds(quantum * 1000 / 60))
        return;
    lastYield = now;
    LThread::Yield();
}
