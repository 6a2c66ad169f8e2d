#include "persistence/atomic_write.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorel {

namespace {

namespace fs = std::filesystem;

FileProblem writeProblem(const std::string& path, std::string detail)
{
    FileProblem problem;
    problem.path = path;
    problem.detail = std::move(detail);
    problem.writing = true;
    return problem;
}

std::string systemReason(int error)
{
    return std::strerror(error);
}

// Writes the whole buffer, retrying short writes and interrupted calls.
bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name of the same folder that no other save uses at the same time.
std::string temporaryName(const fs::path& target, int attempt)
{
    static std::atomic<unsigned> counter{0};
    const unsigned serial = counter.fetch_add(1);
    return (target.parent_path() /
            ("." + target.filename().string() + ".saving-" + std::to_string(::getpid()) + "-" +
             std::to_string(serial) + "-" + std::to_string(attempt)))
        .string();
}

void syncFolder(const fs::path& folder)
{
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);   // durability only; the rename has already succeeded
        ::close(fd);
    }
}

}  // namespace

std::optional<FileProblem> writeFileAtomically(const std::string& path, std::string_view content)
{
    if (path.empty())
        return writeProblem(path, "no file name");

    // Save through a symbolic link into the file it points to, keeping the link.
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }

    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists) {
        if (S_ISDIR(existing.st_mode))
            return writeProblem(path, "it is a folder");
        if (::access(target.c_str(), W_OK) != 0 && errno == EACCES)
            return writeProblem(path, "the file is read-only");
    }

    int fd = -1;
    std::string temporary;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return writeProblem(path, systemReason(errno));

    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return writeProblem(path, systemReason(error));
    };

    if (targetExists)
        ::fchmod(fd, existing.st_mode & 07777);   // keep the permissions the user gave the file
    if (!writeAll(fd, content))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return writeProblem(path, systemReason(error));
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return writeProblem(path, systemReason(error));
    }
    syncFolder(target.parent_path());
    return std::nullopt;
}

}  // namespace quorel
