#include "app/CInstApp.h"

#include <exception>

#include "app/CAboutBox.h"
#include "app/CMainWnd.h"
#include "app/CPictPane.h"
#include "log/XPel.h"
#include "process/Gestalt.h"
#include "ui/Appearance.h"
#include "ui/LCaption.h"
#include "ui/LMultiPanelView.h"
#include "ui/LPushButton.h"
#include "ui/LRadioButton.h"
#include "ui/LTextEditView.h"
#include "ui/LYieldAttachment.h"
#include "ui/URegistrar.h"

namespace {

const char* messageOf(std::exception_ptr escaped)
{
    try {
        std::rethrow_exception(escaped);
    } catch (const XPel& error) {
        return error.getMessage();
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unknown error";
    }
}

// A worker that ends with an exception has not moved the wizard on: do it
// for the worker, with the failure recorded for the error panel.
void endFailedWorker(LThread&, std::exception_ptr escaped)
{
    const char* message = messageOf(escaped);
    for (LWindow* window : LWindow::OpenWindows()) {
        if (auto* wizard = dynamic_cast<CMainWnd*>(window)) {
            wizard->endWorkerWithFailure(message);
            return;
        }
    }
}

} // namespace

CInstApp::CInstApp()
{
    SInt32 appearance = 0;
    if (Gestalt(gestaltAppearanceAttr, &appearance) == noErr && (appearance & 1))
        RegisterAppearanceClient();
    RegisterClasses();
    mainThread = std::make_unique<UMainThread>();
    AddAttachment(new LYieldAttachment(-1));
    SetSleepTime(1);
    LThread::SetEscapeHandler(&endFailedWorker);
}

CInstApp::~CInstApp()
{
    LThread::SetEscapeHandler(nullptr);
}

void CInstApp::RegisterClasses()
{
    RegisterClass_<CMainWnd>();
    RegisterClass_<CAboutBox>();
    RegisterClass_<CPictPane>();
    RegisterClass_<LCaption>();
    RegisterClass_<LTextEditView>();
    RegisterClass_<LPane>();
    RegisterClass_<LView>();
    RegisterClass_<LDialogBox>();
    RegisterClass_<LWindow>();
    // The control classes.
    RegisterClass_<LPushButton>();
    RegisterClass_<LRadioButton>();
    RegisterClass_<LMultiPanelView>();
}

void CInstApp::StartUp()
{
    LWindow::CreateWindow(128, this)->Show();
}

bool CInstApp::ObeyCommand(CommandT command, void* param)
{
    if (command == cmd_About) {
        LWindow::CreateWindow(138, this)->Show();
        return true;
    }
    return LApplication::ObeyCommand(command, param);
}

void CInstApp::FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                                 Str255 outName)
{
    if (command == 2) {
        outEnabled = true;
        return;
    }
    LApplication::FindCommandStatus(command, outEnabled, outUsesMark, outMark, outName);
}
