#pragma once
// Event records as the Toolbox delivers them, and the input a backend posts
// to the application's event queue.

#include "core/MacTypes.h"

enum : UInt16 { nullEvent = 0, mouseDown = 1, mouseUp = 2, keyDown = 3, keyUp = 4, autoKey = 5 };
enum : UInt32 { charCodeMask = 0x000000FF };

struct EventRecord {
    UInt16 what = nullEvent;
    UInt32 message = 0;
    UInt32 when = 0;
    Point where{0, 0};
    UInt16 modifiers = 0;
};

using CommandT = SInt32;
using PaneIDT = SInt32;
using ResIDT = SInt16;

enum : CommandT { cmd_Nothing = 0, cmd_About = 1, cmd_Quit = 3, cmd_Close = 4 };

class LWindow;

// Input from a backend, taken by the event loop in the order it was posted.
struct InputEvent {
    enum class Kind { Click, Key, Command };
    Kind kind = Kind::Click;
    PaneIDT paneID = 0;          // Click: the pane clicked
    LWindow* window = nullptr;   // the window it came to, or null: the front window (first)
    EventRecord event;           // Key: the key event for HandleKeyPress
    CommandT command = 0;        // Command: through the commander chain

    static InputEvent click(PaneIDT pane, LWindow* in = nullptr)
    {
        InputEvent input;
        input.paneID = pane;
        input.window = in;
        return input;
    }
    static InputEvent key(UInt8 charCode, UInt16 what = keyDown)
    {
        InputEvent input;
        input.kind = Kind::Key;
        input.event.what = what;
        input.event.message = charCode;
        return input;
    }
    static InputEvent menuCommand(CommandT command)
    {
        InputEvent input;
        input.kind = Kind::Command;
        input.command = command;
        return input;
    }
};
