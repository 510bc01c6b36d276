#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/LBroadcaster.h"

namespace {

struct Recorder : LListener {
    std::vector<MessageT> heard;
    std::function<void()> onMessage;
    void ListenToMessage(MessageT message, void*) override
    {
        heard.push_back(message);
        if (onMessage)
            onMessage();
    }
};

} // namespace

TEST(Broadcaster, AListenerMayDestroyTheBroadcasterOrAnotherListenerDuringABroadcast)
{
    auto broadcaster = std::make_unique<LBroadcaster>();
    Recorder first, third;
    auto second = std::make_unique<Recorder>();
    broadcaster->AddListener(&first);
    broadcaster->AddListener(second.get());
    broadcaster->AddListener(&third);

    first.onMessage = [&] { second.reset(); };
    broadcaster->BroadcastMessage(1);
    EXPECT_EQ(third.heard, std::vector<MessageT>{1}) << "the listener after a destroyed one was skipped";

    first.onMessage = [&] { broadcaster.reset(); };
    LBroadcaster* raw = broadcaster.get();
    raw->BroadcastMessage(2);
    EXPECT_EQ(third.heard, std::vector<MessageT>{1}) << "a destroyed broadcaster went on broadcasting";
    EXPECT_EQ(first.heard, (std::vector<MessageT>{1, 2}));
}
