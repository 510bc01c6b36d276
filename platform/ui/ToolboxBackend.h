#pragma once
// What the framework needs of a backend (headless, Qt): it draws the panes,
// turns input into events for the application and shows the modal alert.
// All pane state lives in the framework's pane objects; a backend only reads
// it. The transcript is written by the framework, the same for every backend.

#include <functional>
#include <memory>
#include <string>

#include "core/MacTypes.h"

class LApplication;
class LPane;
class LWindow;

class ToolboxBackend {
public:
    virtual ~ToolboxBackend() = default;

    // The event loop calls this when its queue is empty, that is when the
    // application is idle. Waits at most `ticks` (1/60 s) for input and
    // posts whatever came with LApplication::PostInput.
    virtual void WaitNextEvent(LApplication& application, UInt32 ticks) = 0;

    // Shows a modal note alert and returns when the user has dismissed it.
    // May be called on a worker thread.
    virtual void NoteAlert(const std::string& text) = 0;

    // Notices, so that a drawing backend can follow the panes.
    virtual void WindowShown(LWindow& /*window*/) {}
    virtual void WindowClosed(LWindow& /*window*/) {}
    virtual void PaneChanged(LPane& /*pane*/) {}

    // The backend of this process, made on first use from PLATFORM_UI.
    static ToolboxBackend& Current();
    // Replaces the backend of this process (tests, or a backend set up early).
    static void Install(std::unique_ptr<ToolboxBackend> backend);

    using Factory = std::function<std::unique_ptr<ToolboxBackend>()>;
    // Makes a backend available under a PLATFORM_UI name ("qt").
    static void RegisterFactory(const std::string& name, Factory factory);
};
