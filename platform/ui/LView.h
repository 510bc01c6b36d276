#pragma once
// A pane that holds panes. It owns them: they are destroyed with it.

#include <vector>

#include "ui/LPane.h"

class LView : public LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('v', 'i', 'e', 'w') };

    LView() = default;
    explicit LView(LStream* stream) : LPane(stream) {}
    ~LView() override;

    void AddSubPane(LPane* pane);
    void RemoveSubPane(LPane* pane);
    const std::vector<LPane*>& GetSubPanes() const { return subPanes; }

    LPane* FindPaneByID(PaneIDT id) override;
    void Draw() override;

private:
    std::vector<LPane*> subPanes;
};
