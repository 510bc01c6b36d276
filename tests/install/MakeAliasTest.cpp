#include <gtest/gtest.h>

#include <sys/xattr.h>

#include <string>
#include <vector>

#include "files/Aliases.h"
#include "files/Resources.h"
#include "install/MakeAlias.h"
#include "install/TreeTestSupport.h"
#include "support/RecordedLines.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

using namespace treetest;

namespace {

constexpr const char* kResourceFork = "user.com.apple.ResourceFork";

// A target file "Uninstall" with Finder information and dates in "Bundle",
// and an empty folder "Apps" for the alias; the log is enabled.
class MakeAliasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("PLATFORM_ROOT", root.path);
        writeFile(root / "Bundle/Uninstall", "program");
        std::filesystem::create_directories(root / "Apps");
        CInfoPBRec info = catalogInfo(root / "Bundle", "Uninstall");
        info.ioFlFndrInfo.fdType = FOUR_CHAR('A', 'P', 'P', 'L');
        info.ioFlFndrInfo.fdCreator = FOUR_CHAR('D', 'S', 'L', 'u');
        info.ioFlFndrInfo.fdFlags = 0x0100;
        info.ioFlMdDat = 3100000000u;
        ASSERT_EQ(setCatalogInfo(root / "Bundle", "Uninstall", info), noErr);
    }

    bool makeAlias(const char* target, const char* alias)
    {
        Location bundle = locate(root / "Bundle");
        Location apps = locate(root / "Apps");
        return makeAliasToFile(bundle.vRefNum, bundle.dirID, target, apps.vRefNum, apps.dirID, alias);
    }

    // The bytes of a resource of the alias file's resource fork, read back
    // through the Resource Manager; "(none)" when it is not there.
    std::string aliasResource(const std::string& aliasName)
    {
        Location apps = locate(root / "Apps");
        FSSpec spec{};
        FSMakeFSSpec(apps.vRefNum, apps.dirID, Pascal(aliasName), &spec);
        SInt16 refNum = FSpOpenResFile(&spec, fsRdPerm);
        if (ResError() != noErr)
            return "(no resource fork)";
        Handle byID = Get1Resource(FOUR_CHAR('a', 'l', 'i', 's'), 0);
        Handle byName = Get1NamedResource(FOUR_CHAR('a', 'l', 'i', 's'), Pascal(aliasName));
        auto bytes = [](Handle h) { return h ? std::string(*h, size_t(GetHandleSize(h))) : std::string("(none)"); };
        std::string data = bytes(byID) == bytes(byName) ? bytes(byID) : "(named otherwise)";
        CloseResFile(refNum);
        return data;
    }

    std::string aliasRecordOfTarget()
    {
        Location bundle = locate(root / "Bundle");
        FSSpec target{};
        FSMakeFSSpec(bundle.vRefNum, bundle.dirID, Pascal("Uninstall"), &target);
        AliasHandle alias = nullptr;
        EXPECT_EQ(NewAlias(nullptr, &target, &alias), noErr);
        std::string bytes(reinterpret_cast<const char*>(*alias), (*alias)->aliasSize);
        DisposeHandle(reinterpret_cast<Handle>(alias));
        return bytes;
    }

    TempFolder root;
    ScopedEnv env;
};

} // namespace

TEST_F(MakeAliasTest, AliasFileHoldsTheAliasRecordAndTheTargetsFinderInformation)
{
    EXPECT_FALSE(makeAlias("Uninstall", "Uninstall alias"));

    const std::string alias = root / "Apps/Uninstall alias";
    EXPECT_EQ(readFile(alias), "");
    EXPECT_EQ(aliasResource("Uninstall alias"), aliasRecordOfTarget());
    CInfoPBRec info = catalogInfo(root / "Apps", "Uninstall alias");
    ASSERT_EQ(info.ioResult, noErr);
    EXPECT_EQ(info.ioFlFndrInfo.fdType, FOUR_CHAR('a', 'd', 'r', 'p'));
    EXPECT_EQ(info.ioFlFndrInfo.fdCreator, FOUR_CHAR('D', 'S', 'L', 'u'));
    EXPECT_EQ(info.ioFlFndrInfo.fdFlags, 0x8100);
    EXPECT_EQ(info.ioFlMdDat, 3100000000u);
    EXPECT_EQ(logLines(root.path), std::vector<std::string>{"Install->makeAliasToFile: name=Uninstall alias src=Uninstall"});
}

TEST_F(MakeAliasTest, FailuresAreLoggedAndLeaveNoAlias)
{
    writeFile(root / "Apps/Forked", "data");
    ASSERT_EQ(::setxattr((root / "Apps/Forked").c_str(), kResourceFork, "old fork", 8, 0), 0);
    struct Case {
        const char* target;
        const char* alias;
        std::string errorLine;
    } cases[] = {
        {"Missing", "Alias of missing", "Install->Can't create alias record (-43)"},
        {"Uninstall", "Forked", "Install->Can't create alias resource (-48)"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(root / "DSL Installer Log File");

        EXPECT_TRUE(makeAlias(c.target, c.alias)) << c.alias;

        EXPECT_EQ(logLines(root.path),
                  (std::vector<std::string>{std::string("Install->makeAliasToFile: name=") + c.alias + " src=" +
                                                c.target,
                                            c.errorLine}));
    }
    EXPECT_FALSE(std::filesystem::exists(root / "Apps/Alias of missing"));
    EXPECT_EQ(attribute(root / "Apps/Forked", kResourceFork), "old fork");
    EXPECT_EQ(readFile(root / "Apps/Forked"), "data");
}
