#include "app/CMainWnd.h"

#include "app/CPanel.h"
#include "app/Options.h"
#include "app/PanelFactory.h"
#include "log/MessageBox.h"
#include "log/XPel.h"
#include "text/IniLookup.h"
#include "text/String.h"
#include "ui/LApplication.h"
#include "ui/LPushButton.h"

namespace {

enum : MessageT { msg_Cancel = 1050, msg_Next = 1051 };
enum : UInt8 { char_Enter = 3, char_Tab = 9, char_Return = 13, char_Escape = 27 };

bool isPanelState(InstallState s)
{
    return s != STATE_AUTHORIZE_INSTALL && s != STATE_AUTHORIZE_REMOVE && s != STATE_QUIT;
}

} // namespace

CMainWnd::CMainWnd(LStream* stream)
    : LDialogBox(stream)
{
    initialize();
}

CMainWnd::~CMainWnd()
{
    delete currentPanel;
}

void CMainWnd::initialize()
{
    currentPanel = nullptr;
}

void CMainWnd::FinishCreateSelf()
{
    LDialogBox::FinishCreateSelf();
    String caption = getResString("CAPTION");
    SetDescriptor(caption.getPascalStr());
    for (PaneIDT id : {msg_Cancel, msg_Next}) {
        if (auto* button = dynamic_cast<LPushButton*>(FindPaneByID(id)))
            button->AddListener(this);
    }
    changeState(Options.state);
}

void CMainWnd::changeState(InstallState s)
{
    if (s >= 13)
        throw XPel("Unknown install state");
    if (isPanelState(s)) {
        CPanel* panel = makePanel(s, *this);
        currentPanel = panel;
        if (s == STATE_INSTALL || s == STATE_REMOVE)
            panel->start();
        Options.state = s;
        return;
    }
    Options.state = s;
    auto* application = dynamic_cast<LApplication*>(GetTopCommander());
    AttemptClose();
    if (application)
        application->SendAEQuit();
}

void CMainWnd::setButton(int paneId, const char* title, bool enable)
{
    auto* button = dynamic_cast<LPushButton*>(FindPaneByID(paneId));
    if (!button)
        return;
    if (enable)
        button->Enable();
    else
        button->Disable();
    String text(title);
    button->SetDescriptor(text.getPascalStr());
}

void CMainWnd::ListenToMessage(MessageT message, void* /*param*/)
{
    try {
        if (message == msg_Next)
            onNext();
        else if (message == msg_Cancel)
            onCancel();
    } catch (const XPel& error) {
        // The message is shown as it is, never read as a format.
        messageBox("%s", error.getMessage());
    }
}

void CMainWnd::onNext()
{
    if (!currentPanel)
        throw XPel("NULL panel");
    currentPanel->doNext();
    InstallState next = currentPanel->getNextState();
    delete currentPanel;
    currentPanel = nullptr;
    changeState(next);
}

void CMainWnd::onCancel()
{
    if (!currentPanel)
        throw XPel("NULL panel");
    currentPanel->doCancel();
    delete currentPanel;
    currentPanel = nullptr;
    changeState(STATE_QUIT);
}

bool CMainWnd::HandleKeyPress(const EventRecord& keyEvent)
{
    if (keyEvent.what != keyDown)
        return false;
    auto* cancel = dynamic_cast<LPushButton*>(FindPaneByID(msg_Cancel));
    auto* next = dynamic_cast<LPushButton*>(FindPaneByID(msg_Next));
    switch (UInt8(keyEvent.message & charCodeMask)) {
    case char_Return:
    case char_Enter:
        if (next && next->IsDefaultButton()) {
            if (next->IsEnabled())
                ListenToMessage(msg_Next, nullptr);
        } else if (cancel && cancel->IsDefaultButton()) {
            if (cancel->IsEnabled())
                ListenToMessage(msg_Cancel, nullptr);
        }
        break;
    case char_Tab:
        if (next && cancel && next->IsEnabled() && cancel->IsEnabled()) {
            next->SetDefaultButton(!next->IsDefaultButton());
            cancel->SetDefaultButton(!cancel->IsDefaultButton());
        }
        break;
    case char_Escape:
        if (cancel && cancel->IsEnabled())
            ListenToMessage(msg_Cancel, nullptr);
        break;
    default:
        break;
    }
    return false;
}

bool CMainWnd::ObeyCommand(CommandT command, void* param)
{
    if (command == cmd_Close) {
        if (auto* application = dynamic_cast<LApplication*>(GetTopCommander()))
            application->SendAEQuit();
        return true;
    }
    return LDialogBox::ObeyCommand(command, param);
}

void CMainWnd::endWorkerWithFailure(const char* message)
{
    // Only a worker that has not moved the wizard on yet is ended here.
    if (Options.state != STATE_INSTALL && Options.state != STATE_REMOVE)
        return;
    Options.failed = true;
    Options.errorText = message;
    auto* next = dynamic_cast<LPushButton*>(FindPaneByID(msg_Next));
    if (!next)
        return;
    next->Enable();
    next->BroadcastMessage(msg_Next, nullptr);
}
