#include <gtest/gtest.h>

#include "WizardBundle.h"
#include "app/CAboutBox.h"
#include "app/CInstApp.h"
#include "app/CPictPane.h"
#include "ui/LStream.h"
#include "ui/QuickDraw.h"

namespace {

const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
const RGBColor red{0xFFFF, 0, 0};

bool operator==(const RGBColor& a, const RGBColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// A logo pane as a layout creates it, 10 by 10 pixels before the picture.
std::unique_ptr<CPictPane> makeLogoPane()
{
    LayoutNode layout;
    layout.kind = "pane";
    layout.id = 1040;
    layout.classID = CPictPane::class_ID;
    layout.attributes["frame"] = {"0", "0", "10", "10"};
    LStream stream(layout);
    return std::make_unique<CPictPane>(&stream);
}

// The colour the pane leaves at (h, v) when drawn onto a red port.
RGBColor drawnOnRed(CPictPane& pane, SInt16 h, SInt16 v)
{
    Rect bounds{0, 0, 100, 200};
    GWorldPtr port = nullptr;
    NewGWorld(&port, 0, &bounds, nullptr, nullptr, 0);
    for (RGBColor& pixel : port->pixels)
        pixel = red;
    SetGWorld(port, nullptr);
    pane.Draw();
    SetGWorld(nullptr, nullptr);
    RGBColor colour = *port->at(h, v);
    DisposeGWorld(port);
    return colour;
}

} // namespace

TEST(Logo, TakesThePicturesSizeAndItsTopLeftColourAndLeavesThatColourOutWhenTransparent)
{
    for (bool transparent : {true, false}) {
        WizardBundle bundle;
        bundle.writeInstallerIni(transparent ? "MakeBitmapTransparent = 1\n" : "");
        std::unique_ptr<CPictPane> pane = makeLogoPane();
        ASSERT_TRUE(pane->isLoaded());
        EXPECT_EQ(pane->GetFrameSize().width, 96);
        EXPECT_EQ(pane->GetFrameSize().height, 48);
        EXPECT_EQ(pane->isTransparent(), transparent);
        EXPECT_TRUE(pane->getBackColor() == white);
        EXPECT_TRUE(drawnOnRed(*pane, 1, 1) == (transparent ? red : white)) << "background, transparent " << transparent;
        RGBColor mark = drawnOnRed(*pane, 24, 24);
        EXPECT_FALSE(mark == red || mark == white) << "the coloured mark was not drawn";
        EXPECT_TRUE(pane->load(":InstallerFiles:logo.pct", !transparent)) << "a second load succeeded";
        EXPECT_EQ(pane->isTransparent(), transparent);
        EXPECT_TRUE(bundle.alerts().empty());
    }
}

TEST(Logo, AMissingOrTruncatedPictureIsReportedAndThePaneKeepsItsLayoutSize)
{
    for (const char* contents : {static_cast<const char*>(nullptr), "short", ""}) {
        WizardBundle bundle;
        if (contents)
            bundle.writeFile("InstallerFiles/logo.pct", std::string(contents) + std::string(contents[0] ? 600 : 0, 'x'));
        else
            bundle.removeFile("InstallerFiles/logo.pct");
        std::unique_ptr<CPictPane> pane = makeLogoPane();
        EXPECT_FALSE(pane->isLoaded());
        EXPECT_EQ(pane->GetFrameSize().width, 10);
        EXPECT_EQ(bundle.alerts(), std::vector<std::string>{"\"Can't load logo.pct\""});
        EXPECT_TRUE(drawnOnRed(*pane, 1, 1) == red);
    }
}

TEST(AboutBox, ShowsCaptionVersionDescriptionAndCopyright)
{
    struct Case {
        std::vector<std::string> leftOutKeys;
        const char* version;
    };
    for (const Case& c : {Case{{}, "VERSION 1.0.12"}, Case{{"VERSION"}, " 1.0.12"}}) {
        WizardBundle bundle;
        bundle.writeStrings(c.leftOutKeys);
        bundle.writeScript("command 1\n");
        bundle.run({"7", "REMOVE"});
        EXPECT_TRUE(containsInOrder(bundle.events(),
                                    {"window-open 138", "text 1024 \"CAPTION\"",
                                     "text 1025 \"" + std::string(c.version) + "\"", "text 1026 \"DESCRIPTION\"",
                                     "text 1027 \"COPYRIGHT\"", "quit"}));
    }
}

TEST(AboutBox, FillsThePanesItHasWhenOneIsMissing)
{
    WizardBundle bundle;
    bundle.writeFile("Resources/Installer.rsrc", "window 138 'CABT' {\n"
                                                 "    pane 1024 'capt' {\n    }\n"
                                                 "    pane 1025 'capt' {\n    }\n"
                                                 "    pane 1027 'capt' {\n    }\n"
                                                 "}\n");
    CInstApp app;
    LWindow* about = LWindow::CreateWindow(138, &app);
    EXPECT_EQ(about->FindPaneByID(1024)->DescriptorText(), "CAPTION");
    EXPECT_EQ(about->FindPaneByID(1025)->DescriptorText(), "VERSION 1.0.12");
    EXPECT_EQ(about->FindPaneByID(1027)->DescriptorText(), "COPYRIGHT");
}
