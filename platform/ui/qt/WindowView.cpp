#include "ui/qt/WindowView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/LMultiPanelView.h"
#include "ui/LTextEditView.h"
#include "ui/LWindow.h"
#include "ui/qt/MacText.h"

namespace qtui {

namespace {

void collectPages(LPane& pane, std::string& shown)
{
    if (auto* pages = dynamic_cast<LMultiPanelView*>(&pane))
        shown += "-page" + std::to_string(pages->GetCurrentIndex());
    if (auto* view = dynamic_cast<LView*>(&pane)) {
        for (LPane* sub : view->GetSubPanes()) {
            if (sub->IsVisible())
                collectPages(*sub, shown);
        }
    }
}

} // namespace

WindowView::WindowView(LWindow& window, PostInput post)
    : QWidget(nullptr, window.HasCloseBox() ? Qt::Window : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      window(window), post(std::move(post))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    SDimension16 size = window.GetFrameSize();
    setFixedSize(size.width, size.height);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(size.width / 2, size.height / 2));
    }
}

QWidget* WindowView::widgetOf(const LPane* pane) const
{
    auto found = widgets.find(const_cast<LPane*>(pane));
    return found == widgets.end() ? nullptr : found->second.data();
}

std::string WindowView::follow()
{
    setWindowTitle(fromMacRoman(window.DescriptorText()));
    setEnabled(window.IsEnabled());
    std::set<LPane*> seen;
    for (LPane* pane : window.GetSubPanes())
        followTree(*pane, this, seen);
    for (auto entry = widgets.begin(); entry != widgets.end();) {
        if (seen.count(entry->first)) {
            ++entry;
            continue;
        }
        delete entry->second.data(); // a pane that has left the window
        entry = widgets.erase(entry);
    }
    std::string shown = shownPages();
    if (shown == lastShown)
        return {};
    lastShown = shown;
    return shown;
}

void WindowView::followTree(LPane& pane, QWidget* parent, std::set<LPane*>& seen)
{
    seen.insert(&pane);
    QPointer<QWidget>& widget = widgets[&pane];
    if (!widget)
        widget = makePaneWidget(pane, parent, post);
    followPane(pane, *widget);
    auto* view = dynamic_cast<LView*>(&pane);
    if (!view || dynamic_cast<LTextEditView*>(&pane))
        return;
    for (LPane* sub : view->GetSubPanes())
        followTree(*sub, widget, seen);
}

std::string WindowView::shownPages()
{
    std::string shown = "window" + std::to_string(window.GetResourceID());
    collectPages(window, shown);
    return shown;
}

void WindowView::closeEvent(QCloseEvent* event)
{
    // The close box asks; the framework decides whether the window closes.
    event->ignore();
    if (window.HasCloseBox()) {
        InputEvent close = InputEvent::menuCommand(cmd_Close);
        close.window = &window;
        post(close);
    }
}

} // namespace qtui
