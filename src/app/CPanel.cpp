#include "app/CPanel.h"

#include "app/CMainWnd.h"
#include "log/XPel.h"
#include "text/IniLookup.h"
#include "text/String.h"
#include "ui/LMultiPanelView.h"
#include "ui/LRadioButton.h"

CPanel::CPanel(CMainWnd& wnd, int page, const char* titleKey)
    : mainWnd(wnd)
{
    auto* pages = dynamic_cast<LMultiPanelView*>(mainWnd.FindPaneByID(1001));
    if (!pages)
        throw XPel("Can't find page view");
    pages->SwitchToPanel(SInt16(page), true);
    setLabel(1003, getResString(titleKey));
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("NEXT"), true);
}

CPanel::~CPanel() = default;

void CPanel::start() {}

void CPanel::doNext() {}

void CPanel::doCancel() {}

void CPanel::setLabel(int paneId, const char* text)
{
    LPane* pane = mainWnd.FindPaneByID(paneId);
    if (!pane)
        return;
    String label(text);
    pane->SetDescriptor(label.getPascalStr());
}

bool CPanel::isRadioButtonOn(int paneId)
{
    auto* button = dynamic_cast<LRadioButton*>(mainWnd.FindPaneByID(paneId));
    if (!button)
        throw XPel("Can't find radio button %d", paneId);
    return button->GetValue() != 0;
}
