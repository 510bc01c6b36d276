// Extended attributes of an item named inside an open folder, by the calls
// that take the folder and by the way older kernels take (the folder's entry
// in /proc/self/fd).

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "FileTestSupport.h"
#include "files/AttributeCalls.h"

using filetest::TempFolder;

namespace {

class AttributeCallsTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        platform::tryAttributeCallsAt(GetParam());
        ASSERT_EQ(mkdir((root / "folder").c_str(), 0777), 0);
        filetest::writeFile(root / "folder/file", "x");
        ASSERT_EQ(symlink("file", (root / "folder/link").c_str()), 0);
        folder = open((root / "folder").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(folder, 0);
    }
    void TearDown() override
    {
        if (folder >= 0)
            close(folder);
        platform::tryAttributeCallsAt(true);
    }

    std::string value(int at, const char* name, const char* attribute)
    {
        char bytes[64];
        ssize_t size = platform::getAttributeAt(at, name, attribute, bytes, sizeof bytes);
        return size < 0 ? "errno " + std::to_string(errno) : std::string(bytes, size_t(size));
    }

    TempFolder root;
    int folder = -1;
};

TEST_P(AttributeCallsTest, SetGetListAndRemoveInsideAnOpenFolder)
{
    ASSERT_EQ(platform::setAttributeAt(folder, "file", "user.com.apple.FinderComment", "note", 4), 0);
    EXPECT_EQ(value(folder, "file", "user.com.apple.FinderComment"), "note");
    EXPECT_EQ(platform::getAttributeAt(folder, "file", "user.com.apple.FinderComment", nullptr, 0), 4)
        << "a size asked for without a buffer";
    EXPECT_EQ(value(AT_FDCWD, (root / "folder/file").c_str(), "user.com.apple.FinderComment"), "note")
        << "the same item by its path";

    char names[256];
    ssize_t listed = platform::listAttributesAt(folder, "file", names, sizeof names);
    ASSERT_GT(listed, 0);
    EXPECT_NE(std::string(names, size_t(listed)).find("user.com.apple.FinderComment"), std::string::npos);

    EXPECT_NE(platform::setAttributeAt(folder, "link", "user.com.apple.FinderComment", "other", 5), 0)
        << "a symbolic link is not followed";
    EXPECT_EQ(value(folder, "file", "user.com.apple.FinderComment"), "note");

    ASSERT_EQ(platform::removeAttributeAt(folder, "file", "user.com.apple.FinderComment"), 0);
    EXPECT_EQ(value(folder, "file", "user.com.apple.FinderComment"), "errno " + std::to_string(ENODATA));
    EXPECT_EQ(value(folder, "missing", "user.com.apple.FinderComment"), "errno " + std::to_string(ENOENT));
}

INSTANTIATE_TEST_SUITE_P(Ways, AttributeCallsTest, ::testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "CallsTakingTheFolder" : "PathsThroughProc";
                         });

} // namespace
