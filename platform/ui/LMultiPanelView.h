#pragma once
// A view of numbered pages of which one is shown. Panes are found on the
// page shown only: pages may hold panes with the same IDs. The first page
// of the layout is shown until the first switch.

#include <map>

#include "ui/LView.h"

class LMultiPanelView : public LView {
public:
    enum : OSType { class_ID = FOUR_CHAR('m', 'p', 'v', 'w') };

    explicit LMultiPanelView(LStream* stream);

    void AddPage(SInt16 number, LView* page);
    void SwitchToPanel(SInt16 number, bool refresh = true);
    SInt16 GetCurrentIndex() const { return current; }
    LView* GetPage(SInt16 number) const;

    LPane* FindPaneByID(PaneIDT id) override;

private:
    std::map<SInt16, LView*> pages;
    SInt16 current = 0;
};
