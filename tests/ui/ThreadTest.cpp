#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/LThread.h"
#include "ui/UMainThread.h"

namespace {

struct Journal {
    std::vector<std::string> lines;
    void add(const std::string& line) { lines.push_back(line); }
};

class RecordingThread : public LThread {
public:
    RecordingThread(Journal& journal, std::string name, int yields, bool raise = false)
        : journal(journal), name(std::move(name)), yields(yields), raise(raise)
    {
    }
    ~RecordingThread() override { journal.add(name + " deleted"); }

protected:
    void* Run() override
    {
        for (int turn = 0; turn < yields; ++turn) {
            journal.add(name + " " + std::to_string(turn));
            Yield();
        }
        if (raise)
            throw std::runtime_error(name + " failed");
        journal.add(name + " done");
        return nullptr;
    }

private:
    Journal& journal;
    std::string name;
    int yields;
    bool raise;
};

class SleepingThread : public LThread {
public:
    explicit SleepingThread(std::chrono::steady_clock::time_point& wokeAt) : wokeAt(wokeAt) {}

protected:
    void* Run() override
    {
        Sleep(50);
        wokeAt = std::chrono::steady_clock::now();
        return nullptr;
    }

private:
    std::chrono::steady_clock::time_point& wokeAt;
};

void runUntilNoWorkers()
{
    for (int pass = 0; pass < 10000 && LThread::CountWorkers() > 0; ++pass)
        LThread::Yield();
}

} // namespace

TEST(Thread, RunsOnlyAfterResumeTakesTurnsAndDeletesItself)
{
    UMainThread mainThread;
    Journal journal;
    auto* first = new RecordingThread(journal, "a", 2);
    auto* second = new RecordingThread(journal, "b", 2);
    LThread::Yield();
    EXPECT_TRUE(journal.lines.empty()) << "a suspended thread ran";
    EXPECT_EQ(LThread::CountWorkers(), 0);

    first->Resume();
    second->Resume();
    EXPECT_EQ(LThread::CountWorkers(), 2);
    runUntilNoWorkers();
    std::vector<std::string> expected = {"a 0", "b 0", "a 1", "b 1", "a done", "a deleted", "b done", "b deleted"};
    EXPECT_EQ(journal.lines, expected);
    EXPECT_TRUE(LThread::InMainThread());
}

TEST(Thread, SleepLetsTheMainThreadRunAndWakesAfterItsTime)
{
    UMainThread mainThread;
    std::chrono::steady_clock::time_point wokeAt{};
    auto started = std::chrono::steady_clock::now();
    (new SleepingThread(wokeAt))->Resume();
    LThread::Yield();
    EXPECT_EQ(wokeAt, std::chrono::steady_clock::time_point{}) << "the sleeper did not give the processor back";
    int mainPasses = 0;
    while (LThread::CountWorkers() > 0) {
        ++mainPasses;
        LThread::Sleep(5);
    }
    EXPECT_GE(wokeAt - started, std::chrono::milliseconds(50));
    EXPECT_GT(mainPasses, 1);
}

TEST(Thread, AnExceptionLeavingRunIsCaughtAndHandedToTheEscapeHandlerOnTheWorker)
{
    UMainThread mainThread;
    Journal journal;
    std::string escaped;
    bool handledOnWorker = false;
    LThread::SetEscapeHandler([&](LThread&, std::exception_ptr error) {
        handledOnWorker = !LThread::InMainThread();
        try {
            std::rethrow_exception(error);
        } catch (const std::runtime_error& failure) {
            escaped = failure.what();
        }
    });
    (new RecordingThread(journal, "c", 1, true))->Resume();
    runUntilNoWorkers();
    LThread::SetEscapeHandler(nullptr);
    EXPECT_EQ(escaped, "c failed");
    EXPECT_TRUE(handledOnWorker);
    std::vector<std::string> expected = {"c 0", "c deleted"};
    EXPECT_EQ(journal.lines, expected);
}

TEST(Thread, AWorkerThatYieldsInsideACatchBlockKeepsItsOwnException)
{
    UMainThread mainThread;
    struct CatchingThread : LThread {
        std::string& seen;
        explicit CatchingThread(std::string& seen) : seen(seen) {}
        void* Run() override
        {
            try {
                throw std::runtime_error("worker");
            } catch (...) {
                Yield();
                try {
                    throw;
                } catch (const std::runtime_error& error) {
                    seen = error.what();
                }
            }
            return nullptr;
        }
    };
    std::string seen;
    (new CatchingThread(seen))->Resume();
    LThread::Yield();
    try {
        throw std::logic_error("main");
    } catch (...) {
        runUntilNoWorkers();
    }
    EXPECT_EQ(seen, "worker");
}
