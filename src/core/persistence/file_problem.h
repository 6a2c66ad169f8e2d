#pragma once
// A problem with one file of a circuit set, worded for the user: which file, and
// where in it (line and field, when the problem has a place) or why it could not be
// written.

#include <string>

namespace quorel {

struct FileProblem {
    std::string path;
    int line = 0;          // 1-based; 0 when the problem concerns the whole file
    int field = 0;         // 1-based; 0 when the problem concerns the whole line
    std::string detail;    // what is wrong, without the place
    bool writing = false;  // a save failed (else: reading)
};

// "[a.cir] line 3, field 2: ..." for a read, "Cannot write [a.cir]: ..." for a save,
// "[a.cir] doesn't exist" for a missing file.
std::string problemMessage(const FileProblem& problem);

}  // namespace quorel
