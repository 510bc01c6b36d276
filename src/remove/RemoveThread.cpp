#include "remove/RemoveThread.h"

#include "install/InstallThread.h"
#include "log/MessageBox.h"
#include "remove/Uninstall.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"
#include "text/String.h"

namespace {

constexpr UInt32 kPause = 1000;

} // namespace

CRemoveThread::CRemoveThread(CMainWnd& wnd)
    : LThread(false, 0, threadOption_Default, nullptr), mainWnd(wnd)
{
}

CRemoveThread::~CRemoveThread() = default;

void* CRemoveThread::Run()
{
    Sleep(kPause);
    if (!isOsx())
        messageBox("%s", static_cast<const char*>(getResString("REMOVE_UNPLUG")));
    endThread();
    return nullptr;
}

void* CRemoveThread::endThread()
{
    Sleep(kPause);
    uninstall();
    pressNext(mainWnd);
    return nullptr;
}
