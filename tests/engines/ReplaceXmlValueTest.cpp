#include <gtest/gtest.h>

#include "install/ReplaceXmlValue.h"
#include "tests/install/TreeTestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

struct Case {
    const char* what;
    std::string before;
    const char* key;
    const char* value;
    bool failure;
    std::string after;
};

const Case cases[] = {
    {"indented with tabs", "<dict>\n\t\t<key>CFBundleName</key>\n\t\t<string>DSL Modem Installer</string>\n</dict>\n",
     "CFBundleName", "Uninstall", false, "<dict>\n\t\t<key>CFBundleName</key>\n\t<string>Uninstall</string>\n</dict>\n"},
    {"CR line ends", "<dict>\r\t<key>CFBundleName</key>\r\t<string>Old</string>\r</dict>\r", "CFBundleName", "U", false,
     "<dict>\r\t<key>CFBundleName</key>\r\t<string>U</string>\n</dict>\r"},
    {"CR LF line ends", "<key>K</key>\r\n<string>old</string>\r\nrest\r\n", "K", "U", false,
     "<key>K</key>\r\n\t<string>U</string>\nrest\r\n"},
    {"key and value on one line", "<dict>\n<key>K</key><string>v</string>\n</dict>\n", "K", "U", true,
     "<dict>\n<key>K</key><string>v</string>\n</dict>\n"},
    {"key on the last line", "<dict>\n<key>K</key>\n", "K", "U", false, "<dict>\n<key>K</key>\n\t<string>U</string>\n"},
    {"key line without a line end", "<dict>\n<key>K</key>", "K", "U", true, "<dict>\n<key>K</key>"},
    {"shorter value", "<key>K</key>\n<string>a long value that was there before</string>\n</dict>\n", "K", "x", false,
     "<key>K</key>\n\t<string>x</string>\n</dict>\n"},
    {"value line without a line end", "<key>K</key>\n<string>old</string>", "K", "new", false,
     "<key>K</key>\n\t<string>new</string>\n<string>old</string>"},
    {"markup characters in the value", "<key>K</key>\n<string>v</string>\n", "K", "A & B <C>", false,
     "<key>K</key>\n\t<string>A &amp; B &lt;C&gt;</string>\n"},
    {"only the first occurrence", "<key>K</key>\n<string>1</string>\n<key>K</key>\n<string>2</string>\n", "K", "U",
     false, "<key>K</key>\n\t<string>U</string>\n<key>K</key>\n<string>2</string>\n"},
    {"another key", "<key>KK</key>\n<string>1</string>\n<key>k</key>\n<string>2</string>\n", "K", "U", true,
     "<key>KK</key>\n<string>1</string>\n<key>k</key>\n<string>2</string>\n"},
};

} // namespace

TEST(ReplaceXmlValue, RewritesTheLineAfterTheKeyLineAndKeepsEveryOtherByte)
{
    TempFolder folder;
    treetest::Location location = treetest::locate(folder.path);
    for (const Case& c : cases) {
        treetest::writeFile(folder / "Info.plist", c.before);
        EXPECT_EQ(replaceXmlValue(location.vRefNum, location.dirID, "Info.plist", c.key, c.value), c.failure)
            << c.what;
        EXPECT_EQ(folder.read("Info.plist"), c.after) << c.what;
    }
}

TEST(ReplaceXmlValue, FailsWithoutTheFile)
{
    TempFolder folder;
    treetest::Location location = treetest::locate(folder.path);
    EXPECT_TRUE(replaceXmlValue(location.vRefNum, location.dirID, "Info.plist", "K", "U"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Info.plist"));
}
