#pragma once
// The wizard window: one panel at a time, a title, and the buttons Cancel
// (1050) and Next (1051). It runs the wizard's state machine.

#include "app/InstallState.h"
#include "ui/LDialogBox.h"

class CPanel;

class CMainWnd : public LDialogBox {
public:
    enum : OSType { class_ID = FOUR_CHAR('C', 'p', 'e', 'l') };

    explicit CMainWnd(LStream* stream);
    ~CMainWnd() override;

    void FinishCreateSelf() override;
    bool ObeyCommand(CommandT command, void* param) override;
    bool HandleKeyPress(const EventRecord& keyEvent) override;
    void ListenToMessage(MessageT message, void* param) override;

    void initialize();
    void changeState(InstallState s);
    void setButton(int paneId, const char* title, bool enable);

    CPanel* getCurrentPanel() const { return currentPanel; }

    // A worker thread ended with an exception instead of moving the wizard
    // on: the failure is recorded for the error panel and the wizard takes
    // the worker's Next, so it never stays with both buttons disabled.
    void endWorkerWithFailure(const char* message);

private:
    void onNext();
    void onCancel();

    CPanel* currentPanel = nullptr;
};
