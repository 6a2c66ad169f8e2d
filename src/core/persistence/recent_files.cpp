#include "persistence/recent_files.h"

#include "persistence/atomic_write.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorel {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Paths far longer than any a file system takes are not paths; they are not listed.
constexpr std::size_t kLongestPath = 4096;

}  // namespace

void RecentFiles::add(const std::string& path)
{
    if (!pending_.empty())
        list_.insert(list_.begin(), pending_);
    if (!path.empty())
        std::erase_if(list_, [&](const std::string& entry) { return sameIgnoringCase(entry, path); });
    pending_ = path;
    trim();
}

void RecentFiles::trim()
{
    if (list_.size() > static_cast<std::size_t>(kRecentFileItems))
        list_.resize(kRecentFileItems);
}

std::vector<std::string> RecentFiles::menuItems() const
{
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list_.size(); ++i)
        items.push_back("&" + std::to_string(i + 1) + " " + list_[i]);
    return items;
}

std::string RecentFiles::entry(int n) const
{
    return n >= 1 && n <= static_cast<int>(list_.size()) ? list_[static_cast<std::size_t>(n - 1)] : std::string();
}

std::string RecentFiles::historyText() const
{
    std::string text;
    for (const std::string& path : list_)
        text += path + "\r\n";
    return text;
}

void RecentFiles::readHistoryText(std::string_view text)
{
    list_.clear();
    pending_.clear();
    std::size_t start = 0;
    while (start < text.size() && list_.size() < static_cast<std::size_t>(kRecentFileItems)) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool printable = std::none_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (!line.empty() && line.size() <= kLongestPath && printable)
            list_.emplace_back(line);
        start = end + 1;
    }
}

RecentFiles readHistoryFile(const std::string& path)
{
    RecentFiles recent;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return recent;   // a folder or a pipe by that name is no list
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return recent;
    // Nine paths are a few kilobytes: a larger file is read no further than that.
    std::string text(kRecentFileItems * (kLongestPath + 2), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    recent.readHistoryText(text);
    return recent;
}

bool writeHistoryFile(const std::string& path, RecentFiles& recent)
{
    recent.add({});
    return !writeFileAtomically(path, recent.historyText()).has_value();
}

}  // namespace quorel
