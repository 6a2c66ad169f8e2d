#include "output_paths.h"

#include "persistence/companion_files.h"

#include <filesystem>
#include <vector>

namespace quorel::cli {

namespace {

namespace fs = std::filesystem;

fs::path normalised(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path(path).lexically_normal() : p;
}

std::vector<fs::path> setFiles(const std::string& circuitPath)
{
    const CompanionPaths companions = companionPaths(circuitPath);
    return {normalised(circuitPath), normalised(companions.keyword), normalised(companions.memo),
            normalised(companions.history)};
}

std::string folderProblem(const std::string& path)
{
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return "Cannot write [" + path + "]: the folder " + folder.string() + " does not exist";
    if (fs::is_directory(path, ec))
        return "Cannot write [" + path + "]: it is a folder";
    return {};
}

}  // namespace

std::string outputPathProblem(const std::string& circuitPath, const std::string* savePath,
                              const std::string* csvPath)
{
    if (savePath) {
        if (hasCompanionExtension(*savePath))
            return "Cannot write [" + *savePath +
                   "]: the companion files would overwrite it; choose a name ending in .cir";
        if (std::string problem = folderProblem(*savePath); !problem.empty())
            return problem;
    }
    if (csvPath) {
        if (std::string problem = folderProblem(*csvPath); !problem.empty())
            return problem;
        const fs::path csv = normalised(*csvPath);
        std::vector<fs::path> protectedFiles = setFiles(circuitPath);
        if (savePath)
            for (fs::path& p : setFiles(*savePath))
                protectedFiles.push_back(std::move(p));
        for (const fs::path& p : protectedFiles)
            if (p == csv)
                return "--csv " + *csvPath + " would overwrite a file of the circuit set";
    }
    return {};
}

}  // namespace quorel::cli
