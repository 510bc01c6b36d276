#pragma once
// The backend without windows: input comes from the action script
// (PLATFORM_SCRIPT), taken one action at a time when the application is
// idle and no worker thread is alive; when the script is exhausted the
// application receives its Quit command. Alerts are recorded (by the
// framework, in the transcript) and dismissed at once.

#include "ui/ToolboxBackend.h"

class HeadlessBackend : public ToolboxBackend {
public:
    void WaitNextEvent(LApplication& application, UInt32 ticks) override;
    void NoteAlert(const std::string& text) override;
};
