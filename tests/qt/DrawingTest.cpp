// The widgets follow the panes: texts, values, default marks, enabled
// states and the page shown; the picture pane is drawn from its pixels.

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "QtFixture.h"
#include "ui/LCaption.h"
#include "ui/LMultiPanelView.h"
#include "ui/LPushButton.h"
#include "ui/LTextEditView.h"
#include "ui/qt/PaneImage.h"

namespace {

void setText(LPane& pane, const std::string& text)
{
    Str255 pascal;
    pascal[0] = UInt8(text.size());
    text.copy(reinterpret_cast<char*>(pascal + 1), text.size());
    pane.SetDescriptor(pascal);
}

// A 4 x 3 picture: white background (top-left), a red mark, one white pixel
// inside the mark and one nearly white one.
QImage logo()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int h = 1; h < 4; ++h) {
        picture.setPixelColor(h, 1, Qt::red);
        picture.setPixelColor(h, 2, Qt::red);
    }
    picture.setPixelColor(2, 1, Qt::white);
    picture.setPixelColor(3, 2, QColor(254, 255, 255));
    return picture;
}

} // namespace

using QtDrawingTest = QtWindowTest;

TEST_F(QtDrawingTest, WidgetsFollowThePanes)
{
    openWindow();
    pass();
    EXPECT_EQ(view().windowTitle(), "Test window");
    EXPECT_EQ(view().size(), QSize(400, 300));
    EXPECT_EQ(static_cast<QLabel&>(widgetOf(1011)).text(), "Page one");
    auto& next = static_cast<qtui::MarkedPushButton&>(widgetOf(1051));
    auto& cancel = static_cast<qtui::MarkedPushButton&>(widgetOf(1050));
    EXPECT_TRUE(next.isMarked());
    EXPECT_FALSE(cancel.isMarked());
    EXPECT_EQ(next.geometry(), QRect(280, 250, 90, 32));

    // Mac OS Roman bytes: 0x8E is e acute, 0xA5 a bullet.
    setText(pane<LCaption>(1003), "Caf\x8E \xA5 ok");
    pane<LPushButton>(1051).SetDefaultButton(false);
    pane<LPushButton>(1050).SetDefaultButton(true);
    pane<LPushButton>(1051).Disable();
    window->SetDescriptor(reinterpret_cast<ConstStr255Param>("\x05Other"));
    pass();
    EXPECT_EQ(static_cast<QLabel&>(widgetOf(1003)).text(), QString::fromUtf8("Café • ok"));
    EXPECT_FALSE(next.isMarked());
    EXPECT_TRUE(cancel.isMarked());
    EXPECT_FALSE(next.isEnabled());
    EXPECT_EQ(view().windowTitle(), "Other");
}

TEST_F(QtDrawingTest, PageSwitchShowsTheOtherPageAndItsText)
{
    openWindow();
    pass();
    QWidget& pageOneText = widgetOf(1011);
    pane<LMultiPanelView>(1001).SwitchToPanel(2);
    auto& licence = pane<LTextEditView>(1002);
    const char text[] = "x y\rz";
    licence.Insert(text, 5);
    pass();
    EXPECT_FALSE(pageOneText.isVisibleTo(&view()));
    auto& shown = static_cast<QPlainTextEdit&>(widgetOf(1002));
    EXPECT_TRUE(shown.isVisibleTo(&view()));
    EXPECT_EQ(shown.toPlainText(), "x y\nz"); // CR ends the line
    EXPECT_EQ(shown.document()->blockCount(), 2);
    EXPECT_TRUE(shown.isReadOnly());
    // The page fills its view, which has no frame of its own for it.
    EXPECT_EQ(shown.parentWidget()->size(), QSize(360, 180));
}

TEST_F(QtDrawingTest, PictureLeavesOutExactlyItsTopLeftColourWhenTransparent)
{
    for (bool transparent : {true, false}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        openWindow();
        view().setAutoFillBackground(true);
        QPalette green = view().palette();
        green.setColor(QPalette::Window, Qt::green);
        view().setPalette(green);
        auto& picture = pane<PicturePane>(1200);
        picture.setPicture(logo(), transparent);
        pass();
        QImage shot = view().grab().toImage();
        const QColor background = transparent ? QColor(Qt::green) : QColor(Qt::white);
        auto at = [&](int h, int v) { return shot.pixelColor(300 + h, 226 + v); };
        EXPECT_EQ(at(0, 0), background);
        EXPECT_EQ(at(2, 1), background) << "white inside the mark";
        EXPECT_EQ(at(1, 1), QColor(Qt::red));
        EXPECT_EQ(at(3, 2), QColor(254, 255, 255)) << "a near white is not the background";
        EXPECT_EQ(at(4, 0), QColor(Qt::green)) << "outside the picture, which sized the pane";
        TearDown();
    }
}

TEST_F(QtDrawingTest, PaneThatDrawsNothingStaysTransparent)
{
    openWindow();
    QImage image = qtui::drawnImage(pane<PicturePane>(1200));
    ASSERT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(39, 19)), 0);
}
