#pragma once
// What the wizard window shows in one state: the constructor selects the
// page, fills the title and the two buttons; the window then asks the panel
// what Next and Cancel mean.

#include "app/InstallState.h"

class CMainWnd;

class CPanel {
public:
    CPanel(CMainWnd& wnd, int page, const char* titleKey);
    virtual ~CPanel();
    CPanel(const CPanel&) = delete;
    CPanel& operator=(const CPanel&) = delete;

    virtual void start();
    virtual void doNext();
    virtual InstallState getNextState() = 0;
    virtual void doCancel();

    // Sets the text of a pane of the window; a missing pane is skipped.
    void setLabel(int paneId, const char* text);

protected:
    // The radio button's value; XPel when the window has no such radio button.
    bool isRadioButtonOn(int paneId);

    CMainWnd& mainWnd;
};
