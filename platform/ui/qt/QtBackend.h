#pragma once
// The backend with real windows, on Qt Widgets. Each framework window that
// is shown gets a WindowView; the views follow the panes whenever the event
// loop comes round. Input becomes the framework's own input: a click on a
// button or radio button a click on that pane, a key a key-down event for
// the HandleKeyPress of the window it came to, the close box that window's
// Close command.
// The action script is taken as in the headless backend (on a screen at a
// pace a person can follow); while it runs, an alert is dismissed at once,
// and once it has run out the windows are the user's. With
// PLATFORM_SCREENSHOTS a PNG is saved after every page change and alert.

#include <QObject>

#include <chrono>
#include <map>
#include <memory>

#include "ui/Events.h"
#include "ui/ToolboxBackend.h"
#include "ui/qt/Screenshots.h"

class QEventLoop;

namespace qtui {

class WindowView;

class QtBackend : public QObject, public ToolboxBackend {
public:
    QtBackend();
    ~QtBackend() override;

    void WaitNextEvent(LApplication& application, UInt32 ticks) override;
    void NoteAlert(const std::string& text) override;
    void WindowShown(LWindow& window) override;
    void WindowClosed(LWindow& window) override;
    void PaneChanged(LPane& pane) override;

    // The real window of a framework window, or null when it is not shown.
    WindowView* viewOf(const LWindow& window) const;
    // Brings every window up to its panes and takes the screenshots due.
    void followWindows();

    // Registers the backend under the PLATFORM_UI name "qt".
    static void Register();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void post(const InputEvent& input);
    bool takeScriptAction(LApplication& application);
    void waitForInput(int milliseconds);
    bool isOurs(QObject* object) const;
    // The framework window of a widget of ours.
    LWindow& windowOf(QObject* object) const;

    std::map<const LWindow*, std::unique_ptr<WindowView>> views;
    Screenshots screenshots;
    QEventLoop* waiting = nullptr;
    bool scripted = false;
    std::chrono::steady_clock::time_point lastScriptAction{};
    bool windowsChanged = false;
};

} // namespace qtui
