#include "persistence/program_folder.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorel;
using quorel::testing::ScratchFolder;
using quorel::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

// Runs `check` as the unprivileged user "nobody" when the tests run as the superuser
// (who may write into any folder), else in this process. Returns its result, or -1 when
// the privileges cannot be dropped.
template <typename Check> int asOrdinaryUser(Check check)
{
    if (::geteuid() != 0)
        return check() ? 1 : 0;
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(10);
        ::_exit(check() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 10)
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace

TEST(ProgramFolder, AWritableProgramFolderKeepsTheFiles)
{
    ScratchFolder folder;
    const fs::path program = folder.path() / "bin";
    const fs::path user = folder.path() / "user" / "Quorel";
    fs::create_directory(program);
    EXPECT_TRUE(isWritableFolder(program));
    EXPECT_EQ(programDataFolder(program, user), program);
    EXPECT_FALSE(fs::exists(user));  // the rule only decides; it creates nothing
}

TEST(ProgramFolder, AnUnusableProgramFolderSendsThemToTheUsersFolder)
{
    ScratchFolder folder;
    const fs::path user = folder.path() / "user";
    const fs::path file = folder.path() / "quorel";
    writeBytes(file.string(), "an executable, not a folder");
    const fs::path cases[] = {fs::path(), folder.path() / "missing", file};
    for (const fs::path& program : cases) {
        EXPECT_FALSE(isWritableFolder(program)) << program;
        EXPECT_EQ(programDataFolder(program, user), user) << program;
    }
}

TEST(ProgramFolder, AReadOnlyProgramFolderSendsThemToTheUsersFolder)
{
    ScratchFolder folder;
    const fs::path program = folder.path() / "installed";
    const fs::path writable = folder.path() / "unpacked";
    const fs::path user = folder.path() / "user";
    fs::create_directory(program);
    fs::create_directory(writable);
    // The ordinary user may reach both folders but write only into the second.
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(program.c_str(), 0555);
    ::chmod(writable.c_str(), 0777);

    const int readOnlyGoesToUser = asOrdinaryUser(
        [&] { return programDataFolder(program, user) == user && !isWritableFolder(program); });
    const int writableStays = asOrdinaryUser([&] { return programDataFolder(writable, user) == writable; });
    ::chmod(program.c_str(), 0755);
    if (readOnlyGoesToUser < 0 || writableStays < 0)
        GTEST_SKIP() << "cannot drop privileges";
    EXPECT_EQ(readOnlyGoesToUser, 1);
    EXPECT_EQ(writableStays, 1);
}
