#pragma once
// Saving a file without ever destroying the one it replaces: the content goes to a
// temporary file in the same folder, is flushed to the disk, and only then renamed
// over the target. A failed save leaves the old file as it was and no temporary
// file behind.

#include "persistence/file_problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorel {

// Writes `content` to `path`. A target that exists and is read-only is not replaced.
// An existing target keeps its permissions. The problem names `path`.
std::optional<FileProblem> writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace quorel
