#pragma once
// The application object and its event loop. Run starts the application
// (StartUp, the open-application event), then takes input from the backend
// until a Quit event has been accepted. On every pass the attachments run
// (the yield attachment lets the worker threads run). A Quit that arrives
// while a worker thread is alive waits until the last worker has ended.

#include <deque>
#include <memory>
#include <vector>

#include "ui/Events.h"
#include "ui/LAttachment.h"
#include "ui/LCommander.h"

class LApplication : public LCommander {
public:
    LApplication();
    ~LApplication() override;

    static LApplication* GetApplication();

    void Run();
    // One pass of the event loop.
    void ProcessNextEvent();

    // Sends the application its own Quit Apple event.
    void SendAEQuit();
    bool IsQuitRequested() const { return quitRequested; }
    bool IsRunning() const { return running; }

    void SetSleepTime(UInt32 ticks) { sleepTime = ticks; }
    UInt32 GetSleepTime() const { return sleepTime; }
    void AddAttachment(LAttachment* attachment);

    // Input from the backend, taken on the next passes in this order.
    void PostInput(const InputEvent& input);

    bool ObeyCommand(CommandT command, void* param) override;
    void FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                           Str255 outName) override;

protected:
    // Run when the application is opened.
    virtual void StartUp() {}

private:
    void dispatch(const InputEvent& input);
    void click(const InputEvent& input);
    LCommander* target(const InputEvent& input);
    void acceptQuit();

    std::deque<InputEvent> queue;
    std::vector<std::unique_ptr<LAttachment>> attachments;
    UInt32 sleepTime = 6;
    bool running = false;
    bool quitRequested = false;
    bool quitting = false;
};
