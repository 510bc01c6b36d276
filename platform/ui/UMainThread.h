#pragma once
// The main thread among the cooperative threads: the OS thread's own stack,
// which the event loop runs on. Create one before any worker is resumed.

#include "ui/LThread.h"

class UMainThread : public LThread {
public:
    UMainThread() : LThread(MainThreadTag{}) {}

protected:
    void* Run() override { return nullptr; }
};
