#pragma once
// Broadcasters send messages to the listeners registered with them. Either
// side may go away while the other lives: each forgets the other on
// destruction, and a broadcast stops at once when a listener destroys the
// broadcaster it is listening to.

#include <memory>
#include <vector>

#include "core/MacTypes.h"

using MessageT = SInt32;

class LListener;

class LBroadcaster {
public:
    LBroadcaster();
    virtual ~LBroadcaster();
    LBroadcaster(const LBroadcaster&) = delete;
    LBroadcaster& operator=(const LBroadcaster&) = delete;

    void AddListener(LListener* listener);
    void RemoveListener(LListener* listener);
    bool HasListener(const LListener* listener) const;
    void BroadcastMessage(MessageT message, void* param = nullptr);

private:
    friend class LListener;
    std::vector<LListener*> listeners;
    std::shared_ptr<bool> alive;
};

class LListener {
public:
    LListener() = default;
    virtual ~LListener();
    LListener(const LListener&) = delete;
    LListener& operator=(const LListener&) = delete;

    virtual void ListenToMessage(MessageT message, void* param) = 0;

private:
    friend class LBroadcaster;
    std::vector<LBroadcaster*> broadcasters;
};
