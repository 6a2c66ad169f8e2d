#pragma once
// Checks of the output names of a run before it starts: a run that lasts minutes
// must not end in a name that cannot be written or that overwrites its own input.

#include <string>

namespace quorel::cli {

// Why the outputs cannot be written as named, or an empty text. `savePath` and
// `csvPath` may be null (not asked for).
std::string outputPathProblem(const std::string& circuitPath, const std::string* savePath,
                              const std::string* csvPath);

}  // namespace quorel::cli
