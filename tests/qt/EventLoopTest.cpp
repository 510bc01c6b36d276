// The event loop with the Qt backend: a pass waits at most one tick for
// input and not at all while a worker can run; a worker's modal alert runs
// its own loop on the worker's fiber.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstring>

#include "QtFixture.h"
#include "support/ScopedEnv.h"
#include "ui/Dialogs.h"
#include "ui/LThread.h"
#include "ui/UMainThread.h"

namespace {

using Clock = std::chrono::steady_clock;

class YieldingWorker : public LThread {
public:
    YieldingWorker(int& turns, int rounds) : turns(turns), rounds(rounds) {}

protected:
    void* Run() override
    {
        for (int round = 0; round < rounds; ++round) {
            ++turns;
            LThread::Yield();
        }
        return nullptr;
    }

private:
    int& turns;
    int rounds;
};

class AlertingWorker : public LThread {
public:
    explicit AlertingWorker(bool& done) : done(done) {}

protected:
    void* Run() override
    {
        const unsigned char text[] = "\x0b" "Disk failed";
        ParamText(text, nullptr, nullptr, nullptr);
        NoteAlert(130, nullptr);
        done = true;
        return nullptr;
    }

private:
    bool& done;
};

long millisecondsSince(Clock::time_point start)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

} // namespace

class QtEventLoopTest : public QtWindowTest {
protected:
    void SetUp() override
    {
        QtWindowTest::SetUp();
        env.unset("PLATFORM_SCRIPT");
        env.unset("PLATFORM_SCREENSHOTS");
    }
    ScopedEnv env;
};

TEST_F(QtEventLoopTest, IdlePassSleepsAboutOneTick)
{
    openWindow();
    application->SetSleepTime(1);
    pass();
    Clock::time_point start = Clock::now();
    pass(30);
    long elapsed = millisecondsSince(start);
    EXPECT_GE(elapsed, 30 * 1000 / 60 * 3 / 4);
    EXPECT_LT(elapsed, 30 * 1000 / 60 * 6);
}

TEST_F(QtEventLoopTest, ReadyWorkerIsNotKeptWaiting)
{
    UMainThread mainThread;
    openWindow();
    application->SetSleepTime(1);
    int turns = 0;
    (new YieldingWorker(turns, 200))->Resume();
    Clock::time_point start = Clock::now();
    while (LThread::CountWorkers() > 0 && millisecondsSince(start) < 10000)
        pass();
    EXPECT_EQ(turns, 200);
    EXPECT_LT(millisecondsSince(start), 200 * 1000 / 60 / 2) << "the loop slept while the worker could run";
}

TEST_F(QtEventLoopTest, WorkersAlertIsModalOnItsFiberAndDismissedByItsButton)
{
    UMainThread mainThread;
    openWindow();
    pass();
    bool done = false;
    QString shownText;
    // Looks for the alert until it is open, then reads it and clicks OK.
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* alert = QApplication::activeModalWidget();
        if (!alert)
            return;
        answer.stop();
        for (QLabel* label : alert->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                shownText = label->text();
        }
        auto* ok = alert->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    answer.start();
    (new AlertingWorker(done))->Resume();
    Clock::time_point start = Clock::now();
    while (LThread::CountWorkers() > 0 && millisecondsSince(start) < 10000)
        pass();
    EXPECT_TRUE(done);
    EXPECT_EQ(shownText, "Disk failed");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
