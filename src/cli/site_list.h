#pragma once
// Lists of stimulus sites as `sweep --sites` takes them: "1-40", "5", "2-9,12,30-33"
// or "all".

#include <string>
#include <vector>

namespace quorel::cli {

struct SiteListResult {
    std::vector<int> sites;  // in the order given, each once
    std::string error;       // empty when the text was understood
};

SiteListResult parseSiteList(const std::string& text, int siteCount);

}  // namespace quorel::cli
