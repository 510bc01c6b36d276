#include "app/InstallLicensePanel.h"

#include <algorithm>
#include <vector>

#include "app/CMainWnd.h"
#include "files/Files.h"
#include "log/MessageBox.h"
#include "log/XPel.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"
#include "text/String.h"
#include "ui/LTextEditView.h"

CInstallLicensePanel::CInstallLicensePanel(CMainWnd& wnd)
    : CPanel(wnd, 2, "INSTALL_LICENSE_TITLE")
{
    if (loadLicenseText())
        messageBox("Could not load license.txt");
    setLabel(1013, getResString("INSTALL_LICENSE_STR"));
    mainWnd.setButton(1051, getResString("ACCEPT"), true);
}

InstallState CInstallLicensePanel::getNextState()
{
    return STATE_INSTALL;
}

bool CInstallLicensePanel::loadLicenseText()
{
    auto* view = dynamic_cast<LTextEditView*>(mainWnd.FindPaneByID(1002));
    if (!view)
        throw XPel("Can't find edit window");
    String path(":InstallerFiles:license.txt");
    FSSpec spec;
    if (FSMakeFSSpec(getAppVolume(), getAppDir(), path.getPascalStr(), &spec) != noErr)
        return true;
    SInt16 refNum = 0;
    if (FSpOpenDF(&spec, fsCurPerm, &refNum) != noErr)
        return true;
    long size = 0;
    GetEOF(refNum, &size);
    std::vector<char> text(std::size_t(std::max(size, 0L)));
    long count = long(text.size());
    FSRead(refNum, &count, text.data());
    FSClose(refNum);
    count = std::clamp(count, 0L, long(text.size()));
    // Carriage returns end the lines in the view; line feeds become blanks.
    std::replace(text.begin(), text.begin() + count, '\n', ' ');
    view->Insert(text.data(), SInt32(count), nullptr, false);
    view->ResizeFrameBy(1, 1, true);
    return false;
}
