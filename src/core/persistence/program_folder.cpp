#include "persistence/program_folder.h"

#include <fcntl.h>
#include <unistd.h>

namespace quorel {

bool isWritableFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        return false;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    // Creating and renaming files needs write and search permission on the folder; the
    // effective user decides, as it does when the file is written.
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::filesystem::path programDataFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& userDataFolder)
{
    return isWritableFolder(programFolder) ? programFolder : userDataFolder;
}

}  // namespace quorel
