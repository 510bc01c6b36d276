// The example bundle's installation road on real windows, driven by the
// action script: a picture of every panel and alert, numbered on across the
// relaunch with administrator rights.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <filesystem>

#include "EmulatedMac.h"

namespace {

struct Road {
    const char* name;
    const char* systemVersion;
    bool withoutLicence;
    const char* script;
    std::vector<std::string> pictures;
};

void PrintTo(const Road& road, std::ostream* out)
{
    *out << road.name;
}

class QtScriptedWalk : public ::testing::TestWithParam<Road> {};

QSize windowSize(const std::string& picture)
{
    if (picture.find("window128") != std::string::npos)
        return {520, 380};
    if (picture.find("window138") != std::string::npos)
        return {360, 200};
    return {400, 140}; // the alert
}

} // namespace

TEST_P(QtScriptedWalk, SavesEveryPanelAndAlertOnTheWay)
{
    const Road& road = GetParam();
    EmulatedMac mac(road.systemVersion);
    std::string shots = mac.folder / "screenshots";
    mac.settings = {"PLATFORM_UI=qt", "QT_QPA_PLATFORM=offscreen", "PLATFORM_SCREENSHOTS=" + shots};
    if (road.withoutLicence)
        std::filesystem::remove(mac.volume() + "/Installer.app/Contents/InstallerFiles/license.txt");
    mac.run(mac.installer(), {}, road.script);

    QStringList saved = QDir(QString::fromStdString(shots)).entryList({"*.png"}, QDir::Files, QDir::Name);
    std::vector<std::string> names;
    for (const QString& name : saved)
        names.push_back(name.toStdString());
    EXPECT_EQ(names, road.pictures);
    for (const std::string& name : names) {
        QImage picture(QString::fromStdString(shots + "/" + name));
        EXPECT_EQ(picture.size(), windowSize(name)) << name;
    }
    EXPECT_EQ(mac.folder.read("script"), "");
    EXPECT_EQ(mac.lines("quit").size(), mac.processCount());
}

INSTANTIATE_TEST_SUITE_P(
    Installation, QtScriptedWalk,
    ::testing::Values(
        Road{"MacOsXWithAboutBoxAndRelaunch", "10.2.8", false, "command 1\ncommand 4\nclick 1051\nclick 1051\nclick 1051\n",
             {"001-window128-page1.png", "002-window138.png", "003-window128-page2.png", "004-window128-page3.png",
              "005-window128-page4.png"}},
        Road{"MacOs9WithoutLicence", "9.2.2", true, "click 1051\nclick 1051\nclick 1051\n",
             // The licence page is shown behind the alert that says the licence is missing.
             {"001-window128-page1.png", "002-window128-page2.png", "003-alert130.png", "004-window128-page3.png",
              "005-window128-page10.png"}}));
