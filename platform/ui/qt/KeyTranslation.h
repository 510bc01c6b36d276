#pragma once
// A key of the host keyboard as the Toolbox reports it: the event kind
// (key-down, or auto-key for a repeat), the character code in the low byte
// of the message and the modifier bits.

#include <optional>

#include "ui/Events.h"

class QKeyEvent;

namespace qtui {

// The key-down event of a key press; nothing for a key that types no
// character of its own (Shift, Control, a function key).
std::optional<EventRecord> keyDownEvent(const QKeyEvent& key);

} // namespace qtui
