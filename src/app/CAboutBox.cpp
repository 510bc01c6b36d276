#include "app/CAboutBox.h"

#include "system/Version.h"
#include "text/IniLookup.h"
#include "text/String.h"

void CAboutBox::FinishCreateSelf()
{
    LWindow::FinishCreateSelf();
    setLabel(1024, getResString("CAPTION"));
    String version = getResString("VERSION");
    version += " ";
    version += INSTALLER_VERSION;
    setLabel(1025, version);
    setLabel(1026, getResString("DESCRIPTION"));
    setLabel(1027, getResString("COPYRIGHT"));
}

void CAboutBox::setLabel(int paneID, const char* text)
{
    LPane* pane = FindPaneByID(paneID);
    if (!pane)
        return;
    String label(text);
    pane->SetDescriptor(label.getPascalStr());
}
