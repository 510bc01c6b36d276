#pragma once
// The real window of a framework window: one widget per pane, laid out at
// the panes' frames, brought up to date with the panes on `follow`.

#include <QWidget>

#include <map>
#include <set>
#include <string>

#include <QPointer>

#include "ui/qt/PaneWidgets.h"

class LMultiPanelView;
class LWindow;

namespace qtui {

class WindowView : public QWidget {
public:
    WindowView(LWindow& window, PostInput post);

    LWindow& frameworkWindow() const { return window; }
    // The widget that shows the pane, or null when it has none (yet).
    QWidget* widgetOf(const LPane* pane) const;

    // Brings every widget up to its pane. Returns what the window now shows
    // ("window128-page3") when that changed since the last call (the first
    // call after the window was shown included), else an empty text.
    std::string follow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void followTree(LPane& pane, QWidget* parent, std::set<LPane*>& seen);
    std::string shownPages();

    LWindow& window;
    PostInput post;
    std::map<LPane*, QPointer<QWidget>> widgets;
    std::string lastShown;
};

} // namespace qtui
