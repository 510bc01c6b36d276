#include "remove/Uninstall.h"

#include "files/Files.h"
#include "files/Folders.h"
#include "install/InstallDirectory.h"
#include "remove/CloseWindow.h"
#include "remove/RemovalSteps.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"
#include "text/String.h"

void uninstall()
{
    closeWindow(getIniString(isOsx() ? "OsxCplName" : "Os9CplName", "SystemInfo", "", "Installer.ini"));
    removeAppsDir();
    removeDrivers();
    removeModemScripts();
    if (!isOsx()) {
        removePreferences();
        removeCpls();
    }
}

bool isDriverInstalled()
{
    short vRefNum;
    long dirID;
    if (getSystemFolder(&vRefNum, &dirID, kApplicationsFolderType))
        return false;
    String bundle = String(":") + getIniString("ProgramFilesDir", "SystemInfo", "", "Installer.ini") + ":" +
                    getResString("UNINSTALL") + ".app";
    if (bundle.getLength() > 255)
        return false;
    FSSpec spec;
    return FSMakeFSSpec(vRefNum, dirID, bundle.getPascalStr(), &spec) == noErr;
}
