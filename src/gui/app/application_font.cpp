#include "app/application_font.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace quorel::gui {

QFont proportionalFont(const QFont& base)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setFixedPitch(false);
    return font;
}

void ensureProportionalFont(QApplication& app)
{
    if (!QFontInfo(QApplication::font()).fixedPitch())
        return;
    const QFont font = proportionalFont(QApplication::font());
    if (!QFontInfo(font).fixedPitch())
        app.setFont(font);
}

}  // namespace quorel::gui
