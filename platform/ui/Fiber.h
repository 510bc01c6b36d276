#pragma once
// A stack of its own on the one OS thread: the ground the cooperative threads
// run on. Switching announces itself to AddressSanitizer and carries the
// C++ runtime's per-thread exception state along, so that a fiber that
// yields inside a catch block finds its own exception when it comes back.

#include <cstddef>
#include <functional>
#include <ucontext.h>

namespace platform {

class Fiber {
public:
    // The fiber of the OS thread's own stack.
    Fiber();
    // A new fiber that runs body on a stack of its own when first switched to.
    // body must not return: the fiber ends with exitTo.
    Fiber(std::function<void()> body, std::size_t stackSize);
    ~Fiber();
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;

    // Suspends this (the running) fiber and runs target.
    void switchTo(Fiber& target);
    // Leaves this fiber for good and runs target; never returns.
    [[noreturn]] void exitTo(Fiber& target);

private:
    static void entry(unsigned int high, unsigned int low);
    void transfer(Fiber& target, bool leaving);
    void arrive();

    struct ExceptionState {
        void* caughtExceptions = nullptr;
        unsigned int uncaughtExceptions = 0;
    };

    ucontext_t context{};
    std::function<void()> body;
    void* stack = nullptr;
    std::size_t stackSize = 0;
    ExceptionState exceptionState;
    // AddressSanitizer bookkeeping: this fiber's stack bounds and fake stack.
    const void* stackBottom = nullptr;
    std::size_t stackExtent = 0;
    void* fakeStack = nullptr;
    Fiber* cameFrom = nullptr;
};

} // namespace platform
