#include "ui/LMultiPanelView.h"

#include "ui/LStream.h"

LMultiPanelView::LMultiPanelView(LStream* stream)
    : LView(stream)
{
}

void LMultiPanelView::AddPage(SInt16 number, LView* page)
{
    pages[number] = page;
    page->PutInside(this);
    if (current == 0)
        current = number; // the first page is shown until a switch
    if (number != current)
        page->Hide();
}

LView* LMultiPanelView::GetPage(SInt16 number) const
{
    auto found = pages.find(number);
    return found == pages.end() ? nullptr : found->second;
}

void LMultiPanelView::SwitchToPanel(SInt16 number, bool /*refresh*/)
{
    if (LView* shown = GetPage(current))
        shown->Hide();
    current = number;
    if (LView* page = GetPage(number))
        page->Show();
    noteChange("page " + std::to_string(number));
}

LPane* LMultiPanelView::FindPaneByID(PaneIDT id)
{
    if (LPane* self = LPane::FindPaneByID(id))
        return self;
    LView* page = GetPage(current);
    return page ? page->FindPaneByID(id) : nullptr;
}
