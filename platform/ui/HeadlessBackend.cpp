#include "ui/HeadlessBackend.h"

#include <algorithm>
#include <thread>

#include "core/Environment.h"
#include "ui/ActionScript.h"
#include "ui/LApplication.h"
#include "ui/LThread.h"

void HeadlessBackend::WaitNextEvent(LApplication& application, UInt32 ticks)
{
    using Clock = std::chrono::steady_clock;
    if (LThread::CountWorkers() > 0 || application.IsQuitRequested()) {
        // Nothing to take now: wait for a worker to become ready or a tick to pass.
        Clock::time_point until = Clock::now() + std::chrono::milliseconds(ticks * 1000 / 60);
        std::this_thread::sleep_until(std::min(until, LThread::NextWakeTime()));
        return;
    }
    std::optional<InputEvent> input = ActionScript(platform::Environment::script()).takeNextInput();
    application.PostInput(input ? *input : InputEvent::menuCommand(cmd_Quit));
}

void HeadlessBackend::NoteAlert(const std::string& /*text*/)
{
}
