#include "persistence/file_problem.h"

namespace quorel {

std::string problemMessage(const FileProblem& problem)
{
    std::string place;
    if (problem.line > 0) {
        place = "line " + std::to_string(problem.line);
        if (problem.field > 0)
            place += ", field " + std::to_string(problem.field);
    }
    if (problem.writing) {
        std::string text = "Cannot write [" + problem.path + "]";
        if (!place.empty())
            text += ": " + place;
        if (!problem.detail.empty())
            text += ": " + problem.detail;
        return text;
    }
    std::string text = "[" + problem.path + "]";
    if (!place.empty())
        text += " " + place + ":";
    if (!problem.detail.empty())
        text += " " + problem.detail;
    return text;
}

}  // namespace quorel
