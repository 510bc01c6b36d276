#pragma once
// Cooperative threads on one OS thread. A thread runs only while the others
// wait: control passes where the running thread yields, sleeps or ends.
// A thread is created suspended; Resume makes it ready. When Run returns the
// thread object deletes itself; an exception that leaves Run is caught at the
// thread's entry and handed to the escape handler, if one is set.

#include <chrono>
#include <exception>
#include <functional>
#include <memory>

#include "core/MacTypes.h"

namespace platform {
class Fiber;
}

enum : UInt32 { threadOption_Default = 4 };

class LThread {
public:
    using EscapeHandler = std::function<void(LThread& thread, std::exception_ptr escaped)>;

    // A worker thread, suspended until Resume.
    explicit LThread(bool isPreemptive = false, UInt32 stackSize = 0, UInt32 options = threadOption_Default,
                     void* result = nullptr);
    virtual ~LThread();
    LThread(const LThread&) = delete;
    LThread& operator=(const LThread&) = delete;

    void Resume();
    bool IsSuspended() const;

    // Gives the processor to any other ready thread; returns when this
    // thread's turn comes again (at once when no other is ready).
    static void Yield(const LThread* toThread = nullptr);
    // Suspends the calling thread for milliseconds and lets the others run.
    static void Sleep(UInt32 milliseconds);

    static LThread* GetCurrentThread();
    static bool InMainThread();
    // Worker threads that exist and have not ended yet.
    static int CountWorkers();
    // The earliest moment a sleeping worker wakes, or max() when none sleeps.
    static std::chrono::steady_clock::time_point NextWakeTime();
    static bool AnyWorkerReady();

    // Called on the worker, before it ends, with what escaped its Run.
    static void SetEscapeHandler(EscapeHandler handler);

protected:
    // The main thread's object (UMainThread): stands for the OS thread's stack.
    struct MainThreadTag {};
    explicit LThread(MainThreadTag);

    virtual void* Run() = 0;

private:
    friend class ThreadScheduler;
    enum class State { Suspended, Ready, Sleeping, Finished };

    void runOnFiber();

    std::unique_ptr<platform::Fiber> fiber;
    State state = State::Suspended;
    std::chrono::steady_clock::time_point wakeTime{};
    bool isMain = false;
};
