#pragma once
// One copy of Quorel at a time: a lock file named after "Single Instance Program"
// in the temporary folder, held for as long as the program runs.

#include <QLockFile>
#include <QString>

namespace quorel::gui {

QString defaultSingleInstanceLockPath();

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& lockPath = defaultSingleInstanceLockPath());
    // False while another running copy holds the lock. A lock left behind by a copy
    // that ended without releasing it is taken over.
    bool acquire();
    bool held() const { return lock_.isLocked(); }
    void release() { lock_.unlock(); }

private:
    QLockFile lock_;
};

}  // namespace quorel::gui
