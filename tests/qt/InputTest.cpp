// Input through real Qt events: keys become key-down events for the front
// window's HandleKeyPress, clicks become the panes' own clicks, the close box
// the Close command. The toolkit itself acts on nothing.

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "QtFixture.h"
#include "ui/LPushButton.h"
#include "ui/LRadioButton.h"
#include "ui/LWindow.h"

namespace {

struct KeyCase {
    Qt::Key key;
    const char* text;
    UInt8 charCode;
};

void sendKey(QWidget& to, Qt::Key key, const QString& text, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(&to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(&to, &release);
}

} // namespace

using QtInputTest = QtWindowTest;

TEST_F(QtInputTest, KeysReachHandleKeyPressAsKeyDownEventsAndNothingElse)
{
    const KeyCase cases[] = {
        {Qt::Key_Return, "\r", 13}, {Qt::Key_Enter, "\r", 3}, {Qt::Key_Tab, "\t", 9},
        {Qt::Key_Escape, "\x1b", 27}, {Qt::Key_A, "a", 'a'},   {Qt::Key_Space, " ", ' '},
        {Qt::Key_Down, "", 31},
    };
    openWindow();
    pass();
    for (const KeyCase& key : cases) {
        SCOPED_TRACE(key.text);
        window->keys.clear();
        // Sent to the default button itself: the toolkit would press it.
        sendKey(widgetOf(1051), key.key, key.text, false);
        pass();
        ASSERT_EQ(window->keys.size(), 1u);
        EXPECT_EQ(window->keys[0].what, keyDown);
        EXPECT_EQ(window->keys[0].message & charCodeMask, key.charCode);
    }
    EXPECT_TRUE(window->messages.empty()) << "a key pressed a button by itself";
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "a key moved the focus";
    EXPECT_TRUE(window->IsOpen()) << "Escape closed the window";
}

TEST_F(QtInputTest, AutoRepeatIsMarkedAsSuch)
{
    openWindow();
    pass();
    sendKey(view(), Qt::Key_Return, "\r", false);
    sendKey(view(), Qt::Key_Return, "\r", true);
    sendKey(view(), Qt::Key_Shift, "", false); // no character: no event
    pass(3);
    ASSERT_EQ(window->keys.size(), 2u);
    EXPECT_EQ(window->keys[0].what, keyDown);
    EXPECT_EQ(window->keys[1].what, autoKey);
    EXPECT_EQ(window->keys[1].message & charCodeMask, 13u);
}

TEST_F(QtInputTest, ClickedButtonsBroadcastOnlyWhenEnabled)
{
    openWindow();
    pass();
    QTest::mouseClick(&widgetOf(1051), Qt::LeftButton);
    pass();
    EXPECT_EQ(window->messages, std::vector<MessageT>{1051});

    pane<LPushButton>(1050).Disable();
    pass();
    EXPECT_FALSE(widgetOf(1050).isEnabled());
    QTest::mouseClick(&widgetOf(1050), Qt::LeftButton);
    pass();
    EXPECT_EQ(window->messages, std::vector<MessageT>{1051});
}

TEST_F(QtInputTest, ClickedRadioButtonTurnsOnAndItsGroupOff)
{
    openWindow();
    pass();
    auto& later = static_cast<QRadioButton&>(widgetOf(1006));
    auto& now = static_cast<QRadioButton&>(widgetOf(1005));
    QTest::mouseClick(&later, Qt::LeftButton, {}, QPoint(8, later.height() / 2));
    pass(2);
    EXPECT_EQ(pane<LRadioButton>(1006).GetValue(), 1);
    EXPECT_EQ(pane<LRadioButton>(1005).GetValue(), 0);
    EXPECT_TRUE(later.isChecked());
    EXPECT_FALSE(now.isChecked());

    // A second click on a button that is on leaves it on, whatever Qt's
    // own toggling would do.
    QTest::mouseClick(&later, Qt::LeftButton, {}, QPoint(8, later.height() / 2));
    pass(2);
    EXPECT_EQ(pane<LRadioButton>(1006).GetValue(), 1);
    EXPECT_TRUE(later.isChecked());
}

TEST_F(QtInputTest, CloseBoxSendsCloseCommand)
{
    openWindow();
    pass();
    EXPECT_FALSE(view().close()) << "Qt closed the window by itself";
    pass();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(backend->viewOf(*window), nullptr);
}

TEST_F(QtInputTest, KeysAndCloseBoxBelongToTheWindowTheyCameTo)
{
    openWindow();
    auto* front = dynamic_cast<RecordingWindow*>(LWindow::CreateWindow(128, application.get()));
    ASSERT_NE(front, nullptr);
    front->Show();
    pass();
    ASSERT_EQ(LWindow::FrontWindow(), front);

    sendKey(view(), Qt::Key_Return, "\r", false); // to the window behind
    pass();
    EXPECT_EQ(window->keys.size(), 1u);
    EXPECT_TRUE(front->keys.empty());

    EXPECT_FALSE(view().close());
    pass();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_TRUE(front->IsOpen());
}
