#include "app/window_settings.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace quorel::gui {

void WindowSettings::addButton(const QString& section, QAbstractButton* button)
{
    entries_.append({section, button->objectName() + QStringLiteral(".Checked"), button, {}, {}});
}

void WindowSettings::addValue(const QString& section, const QString& key, std::function<int()> read,
                              std::function<void(int)> apply)
{
    entries_.append({section, key, nullptr, std::move(read), std::move(apply)});
}

void WindowSettings::restore(const QString& path) const
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QSettings file(path, QSettings::IniFormat);
    for (const Entry& e : entries_) {
        const QVariant stored = file.value(e.section + '/' + e.key);
        if (!stored.isValid())
            continue;
        bool isNumber = false;
        const int value = stored.toString().trimmed().toInt(&isNumber);
        if (!isNumber)
            continue;
        if (e.apply) {
            e.apply(value);
        } else if (e.button) {
            // A radio button is only ever switched on: switching one on switches its
            // neighbours off, as a click would.
            if (e.button->autoExclusive() && value == 0)
                continue;
            e.button->setChecked(value != 0);
        }
    }
}

bool WindowSettings::save(const QString& path) const
{
    if (path.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings file(path, QSettings::IniFormat);
    if (!file.isWritable())
        return false;
    for (const Entry& e : entries_) {
        if (e.read)
            file.setValue(e.section + '/' + e.key, e.read());
        else if (e.button)
            file.setValue(e.section + '/' + e.key, e.button->isChecked() ? 1 : 0);
    }
    file.sync();
    return file.status() == QSettings::NoError;
}

QStringList WindowSettings::keys() const
{
    QStringList out;
    for (const Entry& e : entries_)
        out << e.section + '/' + e.key;
    return out;
}

}  // namespace quorel::gui
