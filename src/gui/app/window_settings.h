#pragma once
// The control states a window keeps between runs of the program, in an INI file with
// one section per window. Every page registers its own stored controls; restoring a
// check box or radio button goes through setChecked, so the handler connected to its
// toggled signal runs exactly as for a user's click.
//
// Convention for stored buttons: connect the control's rule to `toggled` (a check box
// runs it on every change, a radio button when it becomes checked).

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class QAbstractButton;

namespace quorel::gui {

class WindowSettings {
public:
    // "CheckBox1.Checked" and the like: stored as 1 or 0.
    void addButton(const QString& section, QAbstractButton* button);
    // A whole number such as "PaintBox2.Height".
    void addValue(const QString& section, const QString& key, std::function<int()> read,
                  std::function<void(int)> apply);

    // Applies what the file holds, in the order of registration. A missing file, a
    // missing key or a value that is not a number leaves the control as it is.
    void restore(const QString& path) const;
    // Writes every registered entry; false when the file could not be written.
    bool save(const QString& path) const;

    QStringList keys() const;   // "section/key", in order

private:
    struct Entry {
        QString section;
        QString key;
        QPointer<QAbstractButton> button;
        std::function<int()> read;
        std::function<void(int)> apply;
    };
    QList<Entry> entries_;
};

}  // namespace quorel::gui
