#pragma once

// Asks every running process whose name is exactly name to quit, with one quit
// event each; nothing waits for them. A null or empty name does nothing.
void closeWindow(const char* name);
