#include "ui/ThreadScheduler.h"

#include <algorithm>
#include <thread>

using Clock = std::chrono::steady_clock;

ThreadScheduler& ThreadScheduler::instance()
{
    static ThreadScheduler scheduler;
    return scheduler;
}

void ThreadScheduler::addWorker(LThread& worker)
{
    workers.push_back(&worker);
}

void ThreadScheduler::removeWorker(LThread& worker)
{
    std::erase(workers, &worker);
}

void ThreadScheduler::setMainThread(LThread* thread)
{
    mainThread = thread;
}

void ThreadScheduler::makeReady(LThread& worker)
{
    worker.state = LThread::State::Ready;
}

platform::Fiber& ThreadScheduler::fiberOf(Slot slot)
{
    return slot ? *slot->fiber : osThreadFiber;
}

bool ThreadScheduler::isRunnable(Slot slot, Clock::time_point now) const
{
    if (!slot)
        return mainWakeTime <= now;
    return slot->state == LThread::State::Ready || (slot->state == LThread::State::Sleeping && slot->wakeTime <= now);
}

bool ThreadScheduler::nextRunnable(Slot after, bool includeAfter, Slot& next) const
{
    // The round is: main, then the workers in the order they were created.
    std::vector<Slot> round;
    round.push_back(nullptr);
    round.insert(round.end(), workers.begin(), workers.end());
    auto found = std::find(round.begin(), round.end(), after);
    std::size_t start = found == round.end() ? 0 : std::size_t(found - round.begin());
    Clock::time_point now = Clock::now();
    for (std::size_t step = 1; step <= round.size(); ++step) {
        Slot candidate = round[(start + step) % round.size()];
        if (candidate == after && !includeAfter)
            continue;
        if (isRunnable(candidate, now)) {
            next = candidate;
            return true;
        }
    }
    return false;
}

void ThreadScheduler::switchTo(Slot next)
{
    if (next)
        next->state = LThread::State::Ready;
    else
        mainWakeTime = {};
    if (next == running)
        return;
    platform::Fiber& from = fiberOf(running);
    running = next;
    from.switchTo(fiberOf(next));
    reapFinished();
}

void ThreadScheduler::yield(const LThread* preferred)
{
    Clock::time_point now = Clock::now();
    auto wanted = std::find(workers.begin(), workers.end(), preferred);
    if (wanted != workers.end() && *wanted != running && isRunnable(*wanted, now)) {
        switchTo(*wanted);
        return;
    }
    Slot next = nullptr;
    if (nextRunnable(running, false, next))
        switchTo(next);
}

void ThreadScheduler::sleep(std::chrono::milliseconds duration)
{
    Clock::time_point wake = Clock::now() + duration;
    if (running) {
        running->state = LThread::State::Sleeping;
        running->wakeTime = wake;
    } else {
        mainWakeTime = wake;
    }
    Slot next = nullptr;
    while (!nextRunnable(running, true, next))
        waitForWake();
    switchTo(next);
}

void ThreadScheduler::waitForWake()
{
    Clock::time_point earliest = mainWakeTime;
    for (LThread* worker : workers) {
        if (worker->state == LThread::State::Sleeping)
            earliest = std::min(earliest, worker->wakeTime);
    }
    std::this_thread::sleep_until(earliest);
}

void ThreadScheduler::exitWorker(std::unique_ptr<platform::Fiber> dying)
{
    platform::Fiber* fiber = dying.get();
    finishedFibers.push_back(std::move(dying));
    Slot next = nullptr;
    while (!nextRunnable(nullptr, true, next))
        waitForWake();
    if (next)
        next->state = LThread::State::Ready;
    else
        mainWakeTime = {};
    running = next;
    fiber->exitTo(fiberOf(next));
}

void ThreadScheduler::reapFinished()
{
    finishedFibers.clear();
}

int ThreadScheduler::countWorkers() const
{
    return int(std::count_if(workers.begin(), workers.end(),
                             [](LThread* worker) { return worker->state != LThread::State::Suspended; }));
}

bool ThreadScheduler::anyWorkerReady() const
{
    Clock::time_point now = Clock::now();
    return std::any_of(workers.begin(), workers.end(), [&](LThread* worker) { return isRunnable(worker, now); });
}

Clock::time_point ThreadScheduler::nextWakeTime() const
{
    Clock::time_point earliest = Clock::time_point::max();
    for (LThread* worker : workers) {
        if (worker->state == LThread::State::Sleeping)
            earliest = std::min(earliest, worker->wakeTime);
        else if (worker->state == LThread::State::Ready)
            earliest = Clock::time_point::min();
    }
    return earliest;
}
