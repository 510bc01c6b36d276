#include "ui/LView.h"

#include <algorithm>

LView::~LView()
{
    while (!subPanes.empty())
        delete subPanes.back(); // the pane removes itself from subPanes
}

void LView::AddSubPane(LPane* pane)
{
    subPanes.push_back(pane);
}

void LView::RemoveSubPane(LPane* pane)
{
    std::erase(subPanes, pane);
}

LPane* LView::FindPaneByID(PaneIDT id)
{
    if (LPane* self = LPane::FindPaneByID(id))
        return self;
    for (LPane* pane : subPanes) {
        if (LPane* found = pane->FindPaneByID(id))
            return found;
    }
    return nullptr;
}

void LView::Draw()
{
    if (!IsVisible())
        return;
    LPane::Draw();
    for (LPane* pane : subPanes)
        pane->Draw();
}
