#pragma once
// A control's hint: shown beside the mouse and on the status bar's hint line.

#include <QString>
#include <QWidget>

namespace quorel::gui {

inline void setHint(QWidget* control, const QString& hint)
{
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

}  // namespace quorel::gui
