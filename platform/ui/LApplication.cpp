#include "ui/LApplication.h"

#include <cstdio>
#include <exception>

#include "core/Transcript.h"
#include "ui/LPane.h"
#include "ui/LThread.h"
#include "ui/LWindow.h"
#include "ui/ToolboxBackend.h"

namespace {

LApplication* theApplication = nullptr;

void discard(const char* where)
{
    // The framework handles its own failures: an event that fails is dropped
    // and the loop goes on.
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s failed: %s\n", where, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s failed\n", where);
    }
}

} // namespace

LApplication::LApplication()
{
    theApplication = this;
}

LApplication::~LApplication()
{
    for (LWindow* window : LWindow::OpenWindows())
        window->DoClose();
    LWindow::DisposeClosedWindows();
    if (theApplication == this)
        theApplication = nullptr;
}

LApplication* LApplication::GetApplication()
{
    return theApplication;
}

void LApplication::AddAttachment(LAttachment* attachment)
{
    attachments.emplace_back(attachment);
}

void LApplication::PostInput(const InputEvent& input)
{
    queue.push_back(input);
}

void LApplication::SendAEQuit()
{
    quitRequested = true;
}

void LApplication::Run()
{
    running = true;
    quitting = false;
    try {
        StartUp();
    } catch (...) {
        discard("Opening the application");
    }
    while (!quitting)
        ProcessNextEvent();
    running = false;
}

void LApplication::ProcessNextEvent()
{
    LWindow::DisposeClosedWindows();
    if (queue.empty() && !(quitRequested && LThread::CountWorkers() == 0))
        ToolboxBackend::Current().WaitNextEvent(*this, sleepTime);
    if (!queue.empty()) {
        InputEvent input = queue.front();
        queue.pop_front();
        try {
            dispatch(input);
        } catch (...) {
            discard("An event");
        }
    }
    for (auto& attachment : attachments)
        attachment->Execute(msg_Event, nullptr);
    if (quitRequested && LThread::CountWorkers() == 0)
        acceptQuit();
}

void LApplication::acceptQuit()
{
    quitRequested = false;
    quitting = true;
    queue.clear();
    platform::Transcript::write("quit");
    for (LWindow* window : LWindow::OpenWindows())
        window->DoClose();
}

LCommander* LApplication::target(const InputEvent& input)
{
    // Input that came to a window (a backend with real windows) is that
    // window's, or nobody's once it has closed.
    if (input.window)
        return LWindow::IsOpenWindow(input.window) ? input.window : nullptr;
    LWindow* front = LWindow::FrontWindow();
    return front ? static_cast<LCommander*>(front) : this;
}

void LApplication::dispatch(const InputEvent& input)
{
    switch (input.kind) {
    case InputEvent::Kind::Click:
        click(input);
        break;
    case InputEvent::Kind::Key:
        if (LCommander* to = target(input))
            to->ProcessKeyPress(input.event);
        break;
    case InputEvent::Kind::Command:
        if (LCommander* to = target(input); to && to->IsCommandEnabled(input.command))
            to->ProcessCommand(input.command, nullptr);
        break;
    }
}

void LApplication::click(const InputEvent& input)
{
    std::vector<LWindow*> windows = LWindow::OpenWindows();
    if (input.window) {
        if (!LWindow::IsOpenWindow(input.window))
            return;
        windows = {input.window};
    }
    for (LWindow* window : windows) {
        if (!window->IsVisible())
            continue;
        if (LPane* pane = window->FindPaneByID(input.paneID)) {
            pane->Click();
            return;
        }
    }
}

bool LApplication::ObeyCommand(CommandT command, void* /*param*/)
{
    if (command == cmd_Quit) {
        SendAEQuit();
        return true;
    }
    return false;
}

void LApplication::FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& /*outMark*/,
                                     Str255 /*outName*/)
{
    outEnabled = command == cmd_Quit || command == cmd_About;
    outUsesMark = false;
}
