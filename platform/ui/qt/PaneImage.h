#pragma once
// What a pane draws of its own (its DrawSelf) as an image of its frame.

#include <QImage>

class LPane;

namespace qtui {

// The pane's own drawing through a QuickDraw port of its frame. A pixel the
// pane leaves alone stays transparent, so that what lies beneath the pane
// (the window's background) shows there. Null when the frame is empty.
QImage drawnImage(LPane& pane);

} // namespace qtui
