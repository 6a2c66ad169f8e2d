#include "site_list.h"

#include "text/number_text.h"

#include <algorithm>

namespace quorel::cli {

namespace {

bool digitsOnly(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

SiteListResult parseSiteList(const std::string& text, int siteCount)
{
    SiteListResult result;
    const std::string range = "the circuit has sites 1 to " + std::to_string(siteCount);
    if (text == "all") {
        for (int site = 1; site <= siteCount; ++site)
            result.sites.push_back(site);
        return result;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const std::string from = item.substr(0, dash);
        const std::string to = dash == std::string::npos ? from : item.substr(dash + 1);
        if (!digitsOnly(from) || !digitsOnly(to)) {
            result.error = "--sites: '" + item + "' is not a site or a range FROM-TO";
            return result;
        }
        const auto first = parseInteger(from);
        const auto last = parseInteger(to);
        if (!first || !last || *first < 1 || *last > siteCount || *first > *last) {
            result.error = "--sites " + item + ": " +
                (first && last && *first > *last ? "the range runs backwards" : range);
            return result;
        }
        for (int site = *first; site <= *last; ++site)
            if (std::find(result.sites.begin(), result.sites.end(), site) == result.sites.end())
                result.sites.push_back(site);
        start = comma + 1;
    }
    return result;
}

}  // namespace quorel::cli
