#include "ui/LThread.h"

#include <cstdio>

#include "ui/Fiber.h"
#include "ui/ThreadScheduler.h"

namespace {

constexpr std::size_t defaultStackSize = 1024 * 1024;

}

LThread::LThread(bool /*isPreemptive*/, UInt32 stackSize, UInt32 /*options*/, void* /*result*/)
{
    fiber = std::make_unique<platform::Fiber>([this] { runOnFiber(); },
                                              stackSize > defaultStackSize ? stackSize : defaultStackSize);
    ThreadScheduler::instance().addWorker(*this);
}

LThread::LThread(MainThreadTag)
    : state(State::Ready), isMain(true)
{
    ThreadScheduler::instance().setMainThread(this);
}

LThread::~LThread()
{
    ThreadScheduler& scheduler = ThreadScheduler::instance();
    if (isMain)
        scheduler.setMainThread(nullptr);
    else
        scheduler.removeWorker(*this);
}

void LThread::Resume()
{
    if (!isMain && state == State::Suspended)
        ThreadScheduler::instance().makeReady(*this);
}

bool LThread::IsSuspended() const
{
    return state == State::Suspended;
}

void LThread::runOnFiber()
{
    ThreadScheduler& scheduler = ThreadScheduler::instance();
    scheduler.reapFinished();
    try {
        Run();
    } catch (...) {
        if (scheduler.escapeHandler) {
            try {
                scheduler.escapeHandler(*this, std::current_exception());
            } catch (...) {
                std::fputs("LThread: the escape handler raised an exception; discarded\n", stderr);
            }
        }
    }
    std::unique_ptr<platform::Fiber> own = std::move(fiber);
    delete this;
    scheduler.exitWorker(std::move(own));
}

void LThread::Yield(const LThread* toThread)
{
    ThreadScheduler::instance().yield(toThread);
}

void LThread::Sleep(UInt32 milliseconds)
{
    ThreadScheduler::instance().sleep(std::chrono::milliseconds(milliseconds));
}

LThread* LThread::GetCurrentThread()
{
    return ThreadScheduler::instance().current();
}

bool LThread::InMainThread()
{
    return ThreadScheduler::instance().inMain();
}

int LThread::CountWorkers()
{
    return ThreadScheduler::instance().countWorkers();
}

std::chrono::steady_clock::time_point LThread::NextWakeTime()
{
    return ThreadScheduler::instance().nextWakeTime();
}

bool LThread::AnyWorkerReady()
{
    return ThreadScheduler::instance().anyWorkerReady();
}

void LThread::SetEscapeHandler(EscapeHandler handler)
{
    ThreadScheduler::instance().escapeHandler = std::move(handler);
}
