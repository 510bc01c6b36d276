#pragma once
// The Qt widget that shows one pane, and how it follows the pane. The pane
// object holds all state (text, value, default mark, enabled, shown, frame);
// a widget only shows it. Clicks are handed to `post` as the framework's
// click input; the widget never changes its own state on a click.

#include <QPushButton>
#include <QWidget>

#include <functional>

#include "ui/Events.h"

class LPane;

namespace qtui {

using PostInput = std::function<void(const InputEvent&)>;

// A widget that shows what the pane draws itself (DrawSelf); for views it
// is also the parent of the subpanes' widgets.
class PaneCanvas : public QWidget {
public:
    PaneCanvas(LPane& pane, bool drawsItself, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LPane& pane;
    bool drawsItself;
};

// A push button that draws the default mark as a ring around itself.
class MarkedPushButton : public QPushButton {
public:
    explicit MarkedPushButton(QWidget* parent);
    void setMarked(bool marked);
    bool isMarked() const { return marked; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool marked = false;
};

// A new widget for the pane inside parent.
QWidget* makePaneWidget(LPane& pane, QWidget* parent, const PostInput& post);
// Brings the widget up to the pane's present state.
void followPane(LPane& pane, QWidget& widget);

} // namespace qtui
