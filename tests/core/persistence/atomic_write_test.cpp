#include "persistence/atomic_write.h"
#include "persistence_test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace quorel;
using namespace quorel::testing;
namespace fs = std::filesystem;

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("set.cir");
    ASSERT_FALSE(writeFileAtomically(path, "first\r\n"));
    EXPECT_EQ(readBytes(path), "first\r\n");
    ASSERT_FALSE(writeFileAtomically(path, "second, longer\r\n"));
    EXPECT_EQ(readBytes(path), "second, longer\r\n");
    ASSERT_FALSE(writeFileAtomically(path, ""));
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"set.cir"});
}

TEST(AtomicWrite, KeepsThePermissionsAndLinksOfTheFileItReplaces)
{
    ScratchFolder folder;
    const std::string path = folder.file("shared.cir");
    writeBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_FALSE(writeFileAtomically(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const std::string link = folder.file("link.cir");
    fs::create_symlink(path, link);
    ASSERT_FALSE(writeFileAtomically(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(path), "through the link");
}

TEST(AtomicWrite, FailuresNameTheFileAndChangeNothing)
{
    ScratchFolder folder;
    fs::create_directory(folder.path() / "taken.cir");
    auto problem = writeFileAtomically(folder.file("taken.cir"), "x");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problemMessage(*problem), "Cannot write [" + folder.file("taken.cir") + "]: it is a folder");
    EXPECT_TRUE(fs::is_directory(folder.path() / "taken.cir"));

    const std::string missing = folder.file("no such folder/a.cir");
    problem = writeFileAtomically(missing, "x");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problemMessage(*problem).rfind("Cannot write [" + missing + "]: ", 0), 0u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"taken.cir"});

    if (::geteuid() != 0) {   // the superuser may write any file
        const std::string locked = folder.file("locked.cir");
        writeBytes(locked, "keep me");
        ::chmod(locked.c_str(), 0444);
        problem = writeFileAtomically(locked, "x");
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->detail.find("read-only"), std::string::npos);
        EXPECT_EQ(readBytes(locked), "keep me");
    }
}
