#pragma once
// The round of cooperative threads: which exists, which runs, whose turn is
// next. One per process; it runs everything on the OS thread that uses it.

#include <chrono>
#include <vector>

#include "ui/Fiber.h"
#include "ui/LThread.h"

class ThreadScheduler {
public:
    static ThreadScheduler& instance();

    void addWorker(LThread& worker);
    void removeWorker(LThread& worker);
    void setMainThread(LThread* thread);
    void makeReady(LThread& worker);
    void yield(const LThread* preferred);
    void sleep(std::chrono::milliseconds duration);
    // Ends the running worker, whose object is already gone: its fiber is
    // released once another fiber runs.
    [[noreturn]] void exitWorker(std::unique_ptr<platform::Fiber> dying);
    // Frees the stacks of workers that have ended.
    void reapFinished();

    LThread* current() const { return running ? running : mainThread; }
    bool inMain() const { return running == nullptr; }
    int countWorkers() const;
    bool anyWorkerReady() const;
    std::chrono::steady_clock::time_point nextWakeTime() const;

    LThread::EscapeHandler escapeHandler;

private:
    // A worker, or null for the main thread (the OS thread's stack).
    using Slot = LThread*;

    platform::Fiber& fiberOf(Slot slot);
    bool isRunnable(Slot slot, std::chrono::steady_clock::time_point now) const;
    // The next runnable slot after `after` in the round, or `none` when no
    // other one can run now.
    bool nextRunnable(Slot after, bool includeAfter, Slot& next) const;
    void switchTo(Slot next);
    void waitForWake();

    std::vector<LThread*> workers;
    Slot running = nullptr;
    LThread* mainThread = nullptr;
    std::chrono::steady_clock::time_point mainWakeTime{};
    platform::Fiber osThreadFiber;
    std::vector<std::unique_ptr<platform::Fiber>> finishedFibers;
};
