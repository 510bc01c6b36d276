#include "ui/LBroadcaster.h"

#include <algorithm>

LBroadcaster::LBroadcaster()
    : alive(std::make_shared<bool>(true))
{
}

LBroadcaster::~LBroadcaster()
{
    *alive = false;
    for (LListener* listener : listeners)
        std::erase(listener->broadcasters, this);
}

void LBroadcaster::AddListener(LListener* listener)
{
    if (!listener || HasListener(listener))
        return;
    listeners.push_back(listener);
    listener->broadcasters.push_back(this);
}

void LBroadcaster::RemoveListener(LListener* listener)
{
    std::erase(listeners, listener);
    if (listener)
        std::erase(listener->broadcasters, this);
}

bool LBroadcaster::HasListener(const LListener* listener) const
{
    return std::find(listeners.begin(), listeners.end(), listener) != listeners.end();
}

void LBroadcaster::BroadcastMessage(MessageT message, void* param)
{
    std::shared_ptr<bool> stillAlive = alive;
    std::vector<LListener*> receivers = listeners;
    for (LListener* listener : receivers) {
        if (!*stillAlive)
            return;
        if (HasListener(listener))
            listener->ListenToMessage(message, param);
    }
}

LListener::~LListener()
{
    for (LBroadcaster* broadcaster : broadcasters)
        std::erase(broadcaster->listeners, this);
}
