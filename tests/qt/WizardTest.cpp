// The wizard itself on real windows: keys and clicks that arrive as Qt
// events lead it exactly where the same actions of a script lead it in the
// headless backend, and the logo is drawn from logo.pct.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <functional>

#include "WizardBundle.h"
#include "app/CPictPane.h"
#include "app/Options.h"
#include "ui/HeadlessBackend.h"
#include "ui/LApplication.h"
#include "ui/LWindow.h"
#include "ui/qt/QtBackend.h"
#include "ui/qt/WindowView.h"

namespace {

using Step = std::function<void(qtui::WindowView& wizard)>;

qtui::WindowView* wizardWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* view = dynamic_cast<qtui::WindowView*>(widget);
        if (view && view->frameworkWindow().GetResourceID() == 128 && view->isVisible())
            return view;
    }
    return nullptr;
}

Step click(PaneIDT id)
{
    return [id](qtui::WindowView& wizard) {
        QWidget* widget = wizard.widgetOf(wizard.frameworkWindow().FindPaneByID(id));
        ASSERT_NE(widget, nullptr) << "pane " << id;
        // On the left edge: where a radio button's circle is.
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    };
}

Step key(Qt::Key code, const char* text)
{
    return [code, text](qtui::WindowView& wizard) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(&wizard, &press);
    };
}

Step closeBox()
{
    return [](qtui::WindowView& wizard) { wizard.close(); };
}

// Runs the wizard of the bundle on the Qt backend and takes the steps one
// after the other, each on a later pass of the event loop than the one
// before, on the wizard window as it is then.
void runWithQt(WizardBundle& bundle, const std::vector<std::string>& arguments, std::vector<Step> steps)
{
    ToolboxBackend::Install(std::make_unique<qtui::QtBackend>());
    std::size_t next = 0;
    int idleTicks = 0;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        qtui::WindowView* wizard = wizardWindow();
        if (wizard && next < steps.size()) {
            steps[next++](*wizard);
            return;
        }
        // Steps done or no window: the wizard should end by itself.
        if (++idleTicks == 250) {
            ADD_FAILURE() << "the wizard did not end; steps taken: " << next;
            LApplication::GetApplication()->SendAEQuit();
        }
    });
    driver.start();
    bundle.run(arguments);
    driver.stop();
    ToolboxBackend::Install(std::make_unique<HeadlessBackend>());
}

struct Walk {
    const char* name;
    const char* systemVersion;
    std::vector<std::string> arguments;
    const char* script;
    std::vector<Step> steps;
};

void PrintTo(const Walk& walk, std::ostream* out)
{
    *out << walk.name;
}

class QtWizardInput : public ::testing::TestWithParam<Walk> {};

} // namespace

TEST_P(QtWizardInput, LeadsWhereTheSameScriptLeadsHeadless)
{
    const Walk& walk = GetParam();
    WizardBundle headless(walk.systemVersion);
    headless.writeScript(walk.script);
    headless.run(walk.arguments);
    InstallState headlessState = Options.state;
    bool headlessReboot = Options.reboot;

    WizardBundle qt(walk.systemVersion);
    runWithQt(qt, walk.arguments, walk.steps);
    EXPECT_EQ(qt.events(), headless.events());
    EXPECT_EQ(int(Options.state), int(headlessState));
    EXPECT_EQ(Options.reboot, headlessReboot);
}

INSTANTIATE_TEST_SUITE_P(
    Wizard, QtWizardInput,
    ::testing::Values(
        Walk{"NextClickThenTabAndReturnCancel", "9.2.2", {}, "click 1051\nkey tab\nkey return\n",
             {click(1051), key(Qt::Key_Tab, "\t"), key(Qt::Key_Return, "\r")}},
        Walk{"RebootNowThenEnter", "10.2.8", {"4", "INSTALL"}, "click 1005\nkey enter\n",
             {click(1005), key(Qt::Key_Enter, "\r")}},
        Walk{"RemoveNoThenNext", "10.2.8", {"7", "REMOVE"}, "click 1009\nclick 1051\n",
             {click(1009), click(1051)}},
        Walk{"EscapeOnTheErrorPanel", "10.2.8", {"6", "INSTALL"}, "key escape\n", {key(Qt::Key_Escape, "\x1b")}},
        Walk{"CloseBoxOnTheLicence", "10.2.8", {"2", "INSTALL"}, "command 4\n", {closeBox()}}));

namespace {

struct LogoCheck {
    int pictureWidth = 0;
    int leftOut = 0;
    int drawn = 0;
    int wrong = 0;
};

// Compares the logo as the window shows it with the pixels the logo pane
// rendered from logo.pct.
Step checkLogo(bool transparent, LogoCheck& check)
{
    return [transparent, &check](qtui::WindowView& wizard) {
        auto* logo = dynamic_cast<CPictPane*>(wizard.frameworkWindow().FindPaneByID(1040));
        ASSERT_NE(logo, nullptr);
        ASSERT_TRUE(logo->isLoaded());
        const GWorld& picture = *logo->getOffscreen();
        const RGBColor back = logo->getBackColor();
        QImage shown = wizard.grab().toImage();
        QColor windowColour = wizard.palette().color(QPalette::Window);
        Rect frame;
        logo->CalcLocalFrameRect(frame);
        check.pictureWidth = picture.width();
        for (int v = 0; v < picture.height(); ++v) {
            for (int h = 0; h < picture.width(); ++h) {
                const RGBColor& pixel = picture.pixels[std::size_t(v * picture.width() + h)];
                bool isBack = pixel.red == back.red && pixel.green == back.green && pixel.blue == back.blue;
                QColor expected = transparent && isBack ? windowColour
                                                        : QColor(pixel.red >> 8, pixel.green >> 8, pixel.blue >> 8);
                (transparent && isBack ? check.leftOut : check.drawn) += 1;
                if (shown.pixelColor(frame.left + h, frame.top + v) != expected)
                    ++check.wrong;
            }
        }
    };
}

} // namespace

TEST(QtWizardLogo, DrawnFromLogoPctWithExactlyTheTopLeftColourLeftOutWhenTransparent)
{
    for (bool transparent : {true, false}) {
        SCOPED_TRACE(transparent ? "MakeBitmapTransparent = 1" : "MakeBitmapTransparent = 0");
        WizardBundle bundle;
        bundle.writeInstallerIni(transparent ? "MakeBitmapTransparent = 1\n" : "MakeBitmapTransparent = 0\n");
        LogoCheck check;
        runWithQt(bundle, {}, {checkLogo(transparent, check), click(1050)});
        EXPECT_GT(check.pictureWidth, 0);
        EXPECT_GT(check.drawn, 0);
        EXPECT_EQ(check.leftOut > 0, transparent) << "the example logo has a background to leave out";
        EXPECT_EQ(check.wrong, 0);
    }
}
