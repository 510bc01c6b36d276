// PLATFORM_SCREENSHOTS: a PNG after every page change and alert, numbered
// on from the pictures already in the folder.

#include <QApplication>
#include <QDir>
#include <QImage>

#include <fstream>

#include "QtFixture.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "ui/Dialogs.h"
#include "ui/LMultiPanelView.h"

namespace {

QStringList pictures(const TempFolder& folder)
{
    return QDir(QString::fromStdString(folder.path)).entryList({"*.png"}, QDir::Files, QDir::Name);
}

void showAlert(const char* text)
{
    Str255 pascal;
    pascal[0] = UInt8(std::strlen(text));
    std::memcpy(pascal + 1, text, pascal[0]);
    ParamText(pascal, nullptr, nullptr, nullptr);
    NoteAlert(130, nullptr);
}

} // namespace

using QtScreenshotTest = QtWindowTest;

TEST_F(QtScreenshotTest, EveryPageAndAlertIsSavedInOrder)
{
    TempFolder folder;
    std::ofstream(folder / "041-earlier-run.png") << "x";
    // Actions that do nothing, so that the script is still running when
    // the alert comes: an unattended run dismisses it at once.
    std::ofstream script(folder / "script");
    for (int line = 0; line < 20; ++line)
        script << "command 99\n";
    script.close();
    ScopedEnv env;
    env.set("PLATFORM_SCREENSHOTS", folder.path);
    env.set("PLATFORM_SCRIPT", folder / "script");
    openWindow();
    pass();
    pane<LMultiPanelView>(1001).SwitchToPanel(2);
    pass(2);
    showAlert("Could not load license.txt");
    pass(2); // nothing changed: no further picture

    EXPECT_EQ(pictures(folder),
              (QStringList{"041-earlier-run.png", "042-window128-page1.png", "043-window128-page2.png",
                           "044-alert130.png"}));
    QImage page(QString::fromStdString(folder / "043-window128-page2.png"));
    EXPECT_EQ(page.size(), QSize(400, 300));
    QImage alert(QString::fromStdString(folder / "044-alert130.png"));
    EXPECT_EQ(alert.size(), QSize(360, 120));
}

TEST_F(QtScreenshotTest, WithoutTheFolderNothingIsSaved)
{
    TempFolder folder;
    ScopedEnv env;
    env.unset("PLATFORM_SCREENSHOTS");
    env.set("HOME", folder.path);
    openWindow();
    pass();
    pane<LMultiPanelView>(1001).SwitchToPanel(2);
    pass();
    EXPECT_TRUE(pictures(folder).isEmpty());
}
