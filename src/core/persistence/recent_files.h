#pragma once
// The recent-file list of the File menu: at most nine paths, the most recent first, and
// apart from them the pending entry, the file in use now. A file joins the list when
// another one takes its place, so the menu names the files used before the current one,
// never the current file itself, and none twice (paths compared without regard to case).
// The list is kept in a text file "History", one path per line.

#include <string>
#include <string_view>
#include <vector>

namespace quorel {

constexpr int kRecentFileItems = 9;

class RecentFiles {
public:
    // addRecentFile: the pending entry goes to the top of the list, `path` (when not empty)
    // leaves the list and becomes the pending entry.
    void add(const std::string& path);
    // The menu's items, "&1 path" and so on: the first nine entries.
    std::vector<std::string> menuItems() const;
    // Entry n (1-based) of the menu; empty when there is none.
    std::string entry(int n) const;
    const std::vector<std::string>& list() const { return list_; }
    const std::string& pending() const { return pending_; }

    // The History file's text (CR LF after every line) and its reading: blank lines are
    // passed over, the list keeps at most nine entries and the pending entry is empty.
    std::string historyText() const;
    void readHistoryText(std::string_view text);

private:
    void trim();

    std::vector<std::string> list_;
    std::string pending_;
};

// Reads "History" from `path`; a missing or unreadable file gives an empty list.
RecentFiles readHistoryFile(const std::string& path);
// Adds the pending entry to the list and writes it to `path`; false when it could not be
// written (the old file then stays as it was).
bool writeHistoryFile(const std::string& path, RecentFiles& recent);

}  // namespace quorel
