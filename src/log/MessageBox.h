#pragma once
// The modal note alert (alert 130) showing a printf-formatted message; at most
// 255 characters of it are shown. Returns when the user dismisses the alert.
// Plain texts are passed as the format with no further arguments.

void messageBox(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
