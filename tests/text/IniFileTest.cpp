#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "files/Files.h"
#include "log/XPel.h"
#include "tests/support/TempFolder.h"
#include "tests/system/InstallerBundle.h"
#include "text/IniFile.h"
#include "text/IniLookup.h"

namespace {

// One INI file in a temporary folder, loaded by a CIniFile.
class IniFileTest : public ::testing::Test {
protected:
    void write(const std::string& text) { std::ofstream(folder / "test.ini", std::ios::binary) << text; }
    std::string read() const { return folder.read("test.ini"); }
    bool load(CIniFile& file)
    {
        SInt16 vRefNum = 0;
        long dirID = 0;
        EXPECT_EQ(platform::locateFolder(folder.path, &vRefNum, &dirID), noErr);
        return file.load(vRefNum, dirID, "test.ini");
    }
    std::string lookUp(const std::string& text, const char* key, const char* section)
    {
        write(text);
        CIniFile file;
        EXPECT_FALSE(load(file)) << text;
        return std::string(file.getIniString(key, section, "<default>"));
    }
    std::string rewrite(const std::string& text, const char* key, const char* section, int value)
    {
        write(text);
        {
            CIniFile file;
            EXPECT_FALSE(load(file));
            EXPECT_FALSE(file.writeIniInt(key, section, value));
        }
        return read();
    }

    TempFolder folder;
};

} // namespace

TEST_F(IniFileTest, ReadsSectionsKeysAndValues)
{
    struct Case {
        std::string text;
        const char* key;
        const char* section;
        const char* value;
    } cases[] = {
        {"[systeminfo]\ndebug = trace\n", "Debug", "SystemInfo", "trace"},
        {"[ SystemInfo ]\nDebug = x\n", "Debug", "SystemInfo", "<default>"},
        {"[SystemInfo]\n[SystemInfo] ; main\nDebug = x\n", "Debug", "SystemInfo", "<default>"},
        {"[A]\nx = 1\n[B]\nx = 2\n[A]\nx = 3\n", "x", "A", "1"},
        {"[A]\nx = 1\n[B]\nx = 2\n[A]\nx = 3\n", "x", "B", "2"},
        {"[S]\nKey=Value\n", "Key", "S", "Value"},
        {"[S]\n  Key  =  Value  \n", "Key", "S", "Value"},
        {"[S]\nKey =\n", "Key", "S", ""},
        {"[S]\nKey\n", "Key", "S", ""},
        {"[S]\nKey = a=b\n", "Key", "S", "a"},
        {"[S]\nKey == b\n", "Key", "S", "b"},
        {"[S]\n=Key=b\n", "Key", "S", "b"},
        {"[S]\nKey = x ; note\n", "Key", "S", "x ; note"},
        {"[S]\n;Key = 1\n", "Key", "S", "<default>"},
        {"[S]\n# Key = 1\n", "# Key", "S", "1"},
        {"Key = 1\n[S]\n", "Key", "S", "<default>"},
        {"[S]\n\nKey = 1\nKey = 2\n", "key", "S", "1"},
        {"\t[S]\r\n  Key = 1 \r\n", "Key", "S", "1"},
        {"[S]\rKey = 1\r", "Key", "S", "1"},
        {"[S]\nKey = 1", "Key", "S", "<default>"},
        {"", "Key", "S", "<default>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lookUp(c.text, c.key, c.section), c.value) << c.text;
}

TEST_F(IniFileTest, ReadsKeyLinesOfAnyLength)
{
    std::string longKey(1500, 'k');
    EXPECT_EQ(lookUp("[S]\n" + longKey + " = far\n", longKey.c_str(), "S"), "far");
    std::string longValue(2000, 'v');
    EXPECT_EQ(lookUp("[S]\nKey = " + longValue + "\n", "Key", "S"), longValue);
}

TEST_F(IniFileTest, WritesKeysInPlaceInsertedOrAppended)
{
    struct Case {
        std::string before;
        std::string after;
    } cases[] = {
        {"[SystemInfo]\nDebug = x\nNextState = 0\n", "[SystemInfo]\nDebug = x\nNextState = 7\n"},
        {"[SystemInfo]\nnextstate=0 ; old\n", "[SystemInfo]\nNextState = 7\n"},
        {"[SystemInfo]\nDebug = x\n", "[SystemInfo]\nNextState = 7\nDebug = x\n"},
        {"[Other]\nA = 1\n", "[Other]\nA = 1\n\n[SystemInfo]\nNextState = 7\n"},
        {"", "\n[SystemInfo]\nNextState = 7\n"},
        {"[SystemInfo]\nNextState = 0\nNextState = 1\n", "[SystemInfo]\nNextState = 7\nNextState = 1\n"},
        {"\r\n  [SystemInfo]\r  ; comment\r\n  NextState  =  000000  \r\n\t[Tail]\rA=1\r",
         "\n[SystemInfo]\n; comment\nNextState = 7\n[Tail]\nA=1\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rewrite(c.before, "NextState", "SystemInfo", 7), c.after) << c.before;
}

TEST_F(IniFileTest, KeepsAFinalLineWithoutLineEnd)
{
    EXPECT_EQ(rewrite("[SystemInfo]\nNextState = 0\nDebug = TRACE", "NextState", "SystemInfo", 9),
              "[SystemInfo]\nNextState = 9\nDebug = TRACE");
    EXPECT_EQ(rewrite("[SystemInfo]\nNextState = 0", "NextState", "SystemInfo", 9),
              "[SystemInfo]\nNextState = 9\nNextState = 0")
        << "a key on the unended line is not found, but the line is kept";
    EXPECT_EQ(rewrite("[Other]\n  Tail  ", "NextState", "SystemInfo", 9),
              "[Other]\nTail\n\n[SystemInfo]\nNextState = 9\n");
}

TEST_F(IniFileTest, LoadsOnceAndWritesOnlyWhenChanged)
{
    write("[S]\nKey = 1\n");
    CIniFile file;
    EXPECT_TRUE(file.writeIniString("Key", "S", "2")) << "nothing loaded";
    EXPECT_FALSE(load(file));
    write("[S]\nKey = changed on disk\n");
    EXPECT_TRUE(load(file)) << "already loaded";
    EXPECT_EQ(file.getIniString("Key", "S", ""), "1");
    EXPECT_FALSE(file.unload());
    EXPECT_EQ(read(), "[S]\nKey = changed on disk\n") << "an unchanged file is not written";
    EXPECT_EQ(file.getIniString("Key", "S", "gone"), "gone");

    CIniFile missing;
    SInt16 vRefNum = 0;
    long dirID = 0;
    ASSERT_EQ(platform::locateFolder(folder.path, &vRefNum, &dirID), noErr);
    EXPECT_TRUE(missing.load(vRefNum, dirID, "absent.ini"));
}

TEST(IniLookup, ReadsTheFilesOfTheBundle)
{
    InstallerBundle bundle;
    bundle.writeInstallerFile("Installer.ini", "[SystemInfo]\nLanguage = English\nCount = 12abc\nNegative = -3\n"
                                               "Word = many\nEmpty =\n");
    bundle.writeInstallerFile("Strings.ini", "[german]\nnext = Weiter\n[english]\nnext = Next\n");
    EXPECT_EQ(getResString("NEXT"), "Next");
    EXPECT_EQ(getResString("CANCEL"), "");
    EXPECT_EQ(getIniString("Language", "SystemInfo", "", "Installer.ini"), "English");

    struct Case {
        const char* key;
        int value;
    } cases[] = {{"Count", 12}, {"Negative", -3}, {"Missing", 5}, {"Word", 5}, {"Empty", 5}};
    for (const Case& c : cases)
        EXPECT_EQ(getIniInt(c.key, "SystemInfo", 5), c.value) << c.key;
}

TEST(IniLookup, AMissingFileIsReportedByName)
{
    InstallerBundle bundle;
    bundle.writeInstallerFile("Installer.ini", "[SystemInfo]\nLanguage = English\n");
    try {
        getResString("NEXT");
        ADD_FAILURE() << "no exception";
    } catch (const XPel& error) {
        EXPECT_STREQ(error.getMessage(), "Can't open Strings.ini");
    }
}
