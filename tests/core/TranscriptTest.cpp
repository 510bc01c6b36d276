#include <gtest/gtest.h>

#include "core/Environment.h"
#include "core/Transcript.h"

TEST(Transcript, QuotesTextAsC)
{
    EXPECT_EQ(platform::Transcript::quote("a\\b\"c\n\r\t\x01z"), "\"a\\\\b\\\"c\\n\\r\\t\\x01z\"");
}

TEST(Environment, ReadsSystemVersions)
{
    struct Case {
        const char* text;
        UInt16 version;
    } cases[] = {{"10.2.8", 0x1028}, {"9.2.2", 0x0922}, {"0x1015", 0x1015}, {"10.3", 0x1030},
                 {"banana", 0}, {"10.2.8x", 0}, {"0x", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(platform::Environment::parseSystemVersion(c.text), c.version) << c.text;
}
