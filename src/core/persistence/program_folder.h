#pragma once
// Where the files kept "beside the program" live: the calculator's background pictures
// (QOVAGRP.bmp, QOVAG01.bmp) and the recent-file list (History).
//
// A program unpacked into a folder of the user's own keeps them next to its executable,
// where users look for them and where they travel with the program. An installed program's
// folder cannot be written by its users; there the same files go to the user's data
// folder instead. Every such file asks this one rule, so that they always stay together
// and a file written in one place is read back from the same place.

#include <filesystem>

namespace quorel {

// True when `folder` exists, is a folder, and this process may create and replace files
// in it (a read-only mount counts as not writable).
bool isWritableFolder(const std::filesystem::path& folder);

// The folder for the files kept beside the program: `programFolder` (the folder of the
// executable) while it is writable, otherwise `userDataFolder`. The user's folder is
// returned as it is given: it need not exist yet, and the caller creates it before
// writing. An empty `programFolder` means the executable's folder is unknown.
std::filesystem::path programDataFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& userDataFolder);

}  // namespace quorel
