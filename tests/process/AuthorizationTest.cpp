#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "security/Authorization.h"
#include "security/PrivilegedLauncher.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

class AuthorizationTest : public ::testing::Test {
protected:
    void SetUp() override { env.set("PLATFORM_TRANSCRIPT", folder / "transcript"); }

    // Asks for the administrator right and, if held, starts the tool.
    OSStatus execute(const char* tool, std::vector<const char*> args)
    {
        AuthorizationRef ref = nullptr;
        EXPECT_EQ(AuthorizationCreate(nullptr, nullptr, kAuthorizationFlagDefaults, &ref), errAuthorizationSuccess);
        AuthorizationItem right{kAuthorizationRightExecute, 0, nullptr, 0};
        AuthorizationRights rights{1, &right};
        OSStatus status = AuthorizationCopyRights(
            ref, &rights, nullptr,
            kAuthorizationFlagInteractionAllowed | kAuthorizationFlagExtendRights | kAuthorizationFlagPreAuthorize,
            nullptr);
        if (status == errAuthorizationSuccess) {
            args.push_back(nullptr);
            FILE* pipe = nullptr;
            status = AuthorizationExecuteWithPrivileges(ref, tool, kAuthorizationFlagDefaults,
                                                        const_cast<char* const*>(args.data()), &pipe);
        }
        AuthorizationFree(ref, kAuthorizationFlagDefaults);
        return status;
    }

    void waitFor(const std::string& path)
    {
        for (int i = 0; i < 100 && !std::filesystem::exists(path); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    TempFolder folder;
    ScopedEnv env;
};

} // namespace

TEST_F(AuthorizationTest, GrantedRightStartsTheToolWithoutWaitingOrZombie)
{
    env.set("PLATFORM_AUTH", "grant");
    std::string target = folder / "touched";
    ASSERT_EQ(execute("/usr/bin/touch", {target.c_str()}), errAuthorizationSuccess);
    waitFor(target);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_NE(folder.read("transcript").find("exec \"/usr/bin/touch\" \"" + target + "\""), std::string::npos);
    int status;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1); // no child of ours is left to reap
}

TEST_F(AuthorizationTest, RefusedRightStartsNothing)
{
    env.set("PLATFORM_AUTH", "deny");
    std::string target = folder / "touched";
    EXPECT_NE(execute("/usr/bin/touch", {target.c_str()}), errAuthorizationSuccess);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(target));
    std::string transcript = folder.read("transcript");
    EXPECT_NE(transcript.find("auth-denied"), std::string::npos);
    EXPECT_EQ(transcript.find("exec"), std::string::npos);
}

TEST(PrivilegedLauncher, ResolvesMacToolsAndTheWheelGroupOnThisHost)
{
    EXPECT_TRUE(std::filesystem::exists(platform::PrivilegedLauncher::resolveTool("/usr/sbin/chown")));
    std::vector<std::string> args = platform::PrivilegedLauncher::hostArguments("/usr/sbin/chown", {"-R", "root:wheel"});
    if (::getgrnam("wheel") == nullptr) {
        EXPECT_EQ(args[1], "root:0");
    }
    EXPECT_EQ(platform::PrivilegedLauncher::hostArguments("/bin/chmod", {"-R", "root:wheel"})[1], "root:wheel");
}
