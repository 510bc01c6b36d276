#include "ui/qt/KeyTranslation.h"

#include <QKeyEvent>

#include <map>

#include "ui/qt/MacText.h"

namespace qtui {

namespace {

enum : UInt16 { cmdKey = 0x0100, shiftKey = 0x0200, optionKey = 0x0800, controlKey = 0x1000 };

std::optional<UInt8> controlCharacter(int key)
{
    static const std::map<int, UInt8> codes = {
        {Qt::Key_Home, 1},     {Qt::Key_Enter, 3},  {Qt::Key_End, 4},     {Qt::Key_Help, 5},
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},   {Qt::Key_Backtab, 9}, {Qt::Key_PageUp, 11},
        {Qt::Key_PageDown, 12}, {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Left, 28},
        {Qt::Key_Right, 29},   {Qt::Key_Up, 30},    {Qt::Key_Down, 31},   {Qt::Key_Delete, 127},
    };
    auto found = codes.find(key);
    if (found == codes.end())
        return std::nullopt;
    return found->second;
}

UInt16 macModifiers(Qt::KeyboardModifiers modifiers)
{
    UInt16 bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= shiftKey;
    if (modifiers & Qt::ControlModifier)
        bits |= cmdKey;
    if (modifiers & Qt::AltModifier)
        bits |= optionKey;
    if (modifiers & Qt::MetaModifier)
        bits |= controlKey;
    return bits;
}

} // namespace

std::optional<EventRecord> keyDownEvent(const QKeyEvent& key)
{
    // Keys with a Toolbox character of their own come first: the keypad's
    // Enter types "\r" on the host but is 3 on the Mac.
    std::optional<UInt8> code = controlCharacter(key.key());
    if (!code && key.text().size() == 1)
        code = toMacRoman(key.text().front());
    if (!code)
        return std::nullopt;
    EventRecord event;
    event.what = key.isAutoRepeat() ? autoKey : keyDown;
    event.message = *code;
    event.modifiers = macModifiers(key.modifiers());
    return event;
}

} // namespace qtui
