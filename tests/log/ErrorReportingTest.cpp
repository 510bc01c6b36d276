#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "log/MessageBox.h"
#include "log/XPel.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

TEST(XPel, CarriesItsFormattedMessage)
{
    try {
        throw XPel("Can't copy %s to %s", "a", "b");
    } catch (const XPel& error) {
        EXPECT_STREQ(error.getMessage(), "Can't copy a to b");
    }
    std::string huge(2000, 'x');
    XPel bounded("%s", huge.c_str());
    EXPECT_EQ(std::string(bounded.getMessage()), huge.substr(0, 511));
}

TEST(MessageBox, ShowsAtMost255CharactersInTheNoteAlert)
{
    TempFolder folder;
    ScopedEnv env;
    env.set("PLATFORM_TRANSCRIPT", folder / "transcript");
    std::string text(300, 'm');
    messageBox("%s", text.c_str());
    messageBox("Installation %s", "failed");

    std::string pid = std::to_string(getpid());
    EXPECT_EQ(folder.read("transcript"), pid + " alert \"" + std::string(255, 'm') + "\"\n" + pid +
                                             " alert \"Installation failed\"\n");
}
