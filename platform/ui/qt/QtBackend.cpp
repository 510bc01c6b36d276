#include "ui/qt/QtBackend.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QFont>
#include <QKeyEvent>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/Environment.h"
#include "ui/ActionScript.h"
#include "ui/HeadlessBackend.h"
#include "ui/LApplication.h"
#include "ui/LThread.h"
#include "ui/LWindow.h"
#include "ui/qt/AlertDialog.h"
#include "ui/qt/KeyTranslation.h"
#include "ui/qt/WindowView.h"

namespace qtui {

namespace {

constexpr SInt16 noteAlertID = 130;
constexpr std::chrono::milliseconds scriptPace(1200);

void ensureApplication()
{
    if (QApplication::instance())
        return;
    // Qt keeps argc and argv for the whole run; the application object
    // lives until the process ends.
    static int argc = 1;
    static char name[] = "Installer";
    static char* argv[] = {name, nullptr};
    auto* application = new QApplication(argc, argv);
    application->setQuitOnLastWindowClosed(false);
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(fusion);
    QFont font("DejaVu Sans", 10);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

int millisecondsUntil(std::chrono::steady_clock::time_point moment)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(moment - std::chrono::steady_clock::now());
    return int(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

} // namespace

QtBackend::QtBackend()
    : screenshots(platform::Environment::screenshots()),
      scripted(!platform::Environment::script().empty()),
      lastScriptAction(std::chrono::steady_clock::now())
{
    ensureApplication();
    qApp->installEventFilter(this);
}

QtBackend::~QtBackend()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void QtBackend::Register()
{
    ToolboxBackend::RegisterFactory("qt", []() -> std::unique_ptr<ToolboxBackend> {
        // Without a display and without a platform chosen for Qt (such as
        // offscreen), Qt would end the process.
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
            std::fprintf(stderr, "No display for real windows; running headless\n");
            return std::make_unique<HeadlessBackend>();
        }
        return std::make_unique<QtBackend>();
    });
}

WindowView* QtBackend::viewOf(const LWindow& window) const
{
    auto found = views.find(&window);
    return found == views.end() ? nullptr : found->second.get();
}

void QtBackend::WindowShown(LWindow& window)
{
    std::unique_ptr<WindowView>& view = views[&window];
    if (!view)
        view = std::make_unique<WindowView>(window, [this](const InputEvent& input) { post(input); });
    std::string shown = view->follow();
    view->show();
    if (QGuiApplication::platformName() != "offscreen") {
        view->raise();
        view->activateWindow();
    }
    if (!shown.empty())
        screenshots.take(*view, shown);
}

void QtBackend::WindowClosed(LWindow& window)
{
    views.erase(&window);
}

void QtBackend::PaneChanged(LPane& /*pane*/)
{
    // The views follow when the loop next comes round: a panel sets its
    // page, title, texts and buttons one after the other.
    windowsChanged = true;
}

void QtBackend::followWindows()
{
    if (!windowsChanged)
        return;
    windowsChanged = false;
    for (auto& [window, view] : views) {
        std::string shown = view->follow();
        if (!shown.empty() && view->isVisible())
            screenshots.take(*view, shown);
    }
}

void QtBackend::WaitNextEvent(LApplication& application, UInt32 ticks)
{
    followWindows();
    if (takeScriptAction(application))
        return;
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ticks * 1000 / 60);
    until = std::min(until, LThread::NextWakeTime());
    // A worker that can run gets its turn at once: the loop waits at most a
    // tick, and never while there is work to do.
    waitForInput(LThread::AnyWorkerReady() ? 0 : millisecondsUntil(until));
    followWindows();
}

void QtBackend::waitForInput(int milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(milliseconds);
    waiting = &loop;
    loop.exec();
    waiting = nullptr;
}

bool QtBackend::takeScriptAction(LApplication& application)
{
    if (!scripted || LThread::CountWorkers() > 0 || application.IsQuitRequested())
        return false;
    // On a screen the script goes at a pace a person can follow; offscreen
    // it goes as fast as the wizard does.
    auto now = std::chrono::steady_clock::now();
    if (QGuiApplication::platformName() != "offscreen" && now - lastScriptAction < scriptPace)
        return false;
    lastScriptAction = now;
    if (std::optional<InputEvent> input = ActionScript(platform::Environment::script()).takeNextInput()) {
        application.PostInput(*input);
        return true;
    }
    // The script has run out: the windows are the user's from here on.
    scripted = false;
    return false;
}

void QtBackend::NoteAlert(const std::string& text)
{
    followWindows();
    AlertDialog alert(noteAlertID, text);
    alert.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    screenshots.take(alert, "alert" + std::to_string(noteAlertID));
    // An unattended run has nobody to answer the alert: it is dismissed at
    // once, as in the headless backend.
    if (scripted)
        return;
    alert.exec();
}

void QtBackend::post(const InputEvent& input)
{
    if (LApplication* application = LApplication::GetApplication())
        application->PostInput(input);
    if (waiting)
        waiting->quit();
}

bool QtBackend::isOurs(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && dynamic_cast<WindowView*>(widget->window());
}

LWindow& QtBackend::windowOf(QObject* object) const
{
    return static_cast<WindowView*>(static_cast<QWidget*>(object)->window())->frameworkWindow();
}

bool QtBackend::eventFilter(QObject* watched, QEvent* event)
{
    QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (!isOurs(watched))
        return false;
    // Every key of a wizard window is the framework's: no focus moves, no
    // default button or Escape handling of the toolkit's own.
    if (type == QEvent::KeyPress) {
        if (std::optional<EventRecord> key = keyDownEvent(static_cast<QKeyEvent&>(*event))) {
            InputEvent input = InputEvent::key(UInt8(key->message & charCodeMask), key->what);
            input.event.modifiers = key->modifiers;
            input.window = &windowOf(watched);
            post(input);
        }
    }
    return true;
}

} // namespace qtui

#ifdef DSL_SANITIZE
// Memory that Qt and fontconfig keep for the whole process (the input
// devices, the font cache) and never free is theirs, not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:QInputDevice\n";
}
#endif
