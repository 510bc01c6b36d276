// Host keys as Toolbox character codes, and Mac OS Roman texts.

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/qt/KeyTranslation.h"
#include "ui/qt/MacText.h"

TEST(KeyTranslationTest, KeysWithToolboxCodesAndModifiers)
{
    struct Case {
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        std::optional<UInt8> code;
        UInt16 macModifiers;
    };
    const Case cases[] = {
        {Qt::Key_Enter, "\r", Qt::KeypadModifier, 3, 0},  // keypad Enter, not Return
        {Qt::Key_Backtab, "", Qt::ShiftModifier, 9, 0x0200},
        {Qt::Key_Eacute, QString::fromUtf8("é"), Qt::NoModifier, 0x8E, 0},
        {Qt::Key_Q, "q", Qt::ControlModifier | Qt::AltModifier, 'q', 0x0100 | 0x0800},
        {Qt::Key_F5, "", Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_Control, "", Qt::ControlModifier, std::nullopt, 0},
        {Qt::Key_unknown, QString::fromUtf8("€"), Qt::NoModifier, 0xDB, 0},
        {Qt::Key_unknown, QString::fromUtf8("ж"), Qt::NoModifier, std::nullopt, 0},  // no Mac Roman byte
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text.toStdString());
        QKeyEvent key(QEvent::KeyPress, test.key, test.modifiers, test.text);
        std::optional<EventRecord> event = qtui::keyDownEvent(key);
        ASSERT_EQ(event.has_value(), test.code.has_value());
        if (!event)
            continue;
        EXPECT_EQ(event->what, keyDown);
        EXPECT_EQ(event->message, *test.code);
        EXPECT_EQ(event->modifiers, test.macModifiers);
    }
}

TEST(MacTextTest, RomanBytesAndLineEnds)
{
    EXPECT_EQ(qtui::fromMacRoman("a\rb\r\nc\xA9\xFF"), QString::fromUtf8("a\nb\nc©ˇ"));
    EXPECT_EQ(qtui::fromMacRoman(std::string("nul\0x", 5)), QString::fromUtf8("nul").append(QChar(0)).append('x'));
}
