#include "ui/Fiber.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>

#ifdef DSL_SANITIZE
#include <sanitizer/common_interface_defs.h>
#endif

// The C++ runtime keeps the exceptions being handled per OS thread. Fibers
// share the OS thread, so each fiber keeps its own copy across a switch.
namespace __cxxabiv1 {
struct __cxa_eh_globals;
extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept;
}

namespace platform {

namespace {

struct RuntimeExceptionGlobals {
    void* caughtExceptions;
    unsigned int uncaughtExceptions;
};

RuntimeExceptionGlobals& runtimeExceptions()
{
    return *reinterpret_cast<RuntimeExceptionGlobals*>(__cxxabiv1::__cxa_get_globals());
}

std::size_t pageSize()
{
    return std::size_t(::sysconf(_SC_PAGESIZE));
}

} // namespace

Fiber::Fiber() = default;

Fiber::Fiber(std::function<void()> body, std::size_t size)
    : body(std::move(body))
{
    std::size_t page = pageSize();
    stackSize = (size + page - 1) / page * page + page;
    stack = ::mmap(nullptr, stackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED)
        throw std::bad_alloc();
    ::mprotect(stack, page, PROT_NONE); // guard page below the stack
    stackBottom = static_cast<char*>(stack) + page;
    stackExtent = stackSize - page;

    ::getcontext(&context);
    context.uc_stack.ss_sp = const_cast<void*>(stackBottom);
    context.uc_stack.ss_size = stackExtent;
    context.uc_link = nullptr;
    auto self = reinterpret_cast<std::uintptr_t>(this);
    ::makecontext(&context, reinterpret_cast<void (*)()>(&Fiber::entry), 2, unsigned(self >> 32),
                  unsigned(self & 0xFFFFFFFFu));
}

Fiber::~Fiber()
{
    if (stack)
        ::munmap(stack, stackSize);
}

void Fiber::entry(unsigned int high, unsigned int low)
{
    auto* self = reinterpret_cast<Fiber*>((std::uintptr_t(high) << 32) | std::uintptr_t(low));
    self->arrive();
    self->body();
}

void Fiber::switchTo(Fiber& target)
{
    transfer(target, false);
}

void Fiber::exitTo(Fiber& target)
{
    transfer(target, true);
    __builtin_unreachable();
}

void Fiber::transfer(Fiber& target, bool leaving)
{
    RuntimeExceptionGlobals& runtime = runtimeExceptions();
    exceptionState = {runtime.caughtExceptions, runtime.uncaughtExceptions};
    runtime.caughtExceptions = target.exceptionState.caughtExceptions;
    runtime.uncaughtExceptions = target.exceptionState.uncaughtExceptions;
    target.cameFrom = this;
#ifdef DSL_SANITIZE
    __sanitizer_start_switch_fiber(leaving ? nullptr : &fakeStack, target.stackBottom, target.stackExtent);
#else
    (void)leaving;
#endif
    ::swapcontext(&context, &target.context);
    arrive();
}

void Fiber::arrive()
{
#ifdef DSL_SANITIZE
    const void* fromBottom = nullptr;
    std::size_t fromExtent = 0;
    __sanitizer_finish_switch_fiber(fakeStack, &fromBottom, &fromExtent);
    if (cameFrom && !cameFrom->stack) {
        // The OS thread's own stack: its bounds are learnt on the first switch away.
        cameFrom->stackBottom = fromBottom;
        cameFrom->stackExtent = fromExtent;
    }
#endif
}

} // namespace platform
