// The window is never drawn in a monospaced face because fontconfig picked one for sans-serif.
#include "app/application_font.h"

#include <QApplication>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace quorel::gui {
namespace {

TEST(ApplicationFont, AMonospacedDefaultIsReplacedAndAProportionalOneKept)
{
    auto* app = static_cast<QApplication*>(QCoreApplication::instance());
    const QFont before = QApplication::font();
    for (const char* family : {"Liberation Mono", "DejaVu Sans Mono"}) {
        QFont mono(QString::fromLatin1(family), 9);
        if (!QFontInfo(mono).fixedPitch())
            continue;   // the face is not installed here
        QApplication::setFont(mono);
        ensureProportionalFont(*app);
        EXPECT_FALSE(QFontInfo(QApplication::font()).fixedPitch()) << family;
        EXPECT_EQ(QApplication::font().pointSize(), 9) << family;
    }
    QApplication::setFont(before);
    ensureProportionalFont(*app);
    EXPECT_EQ(QApplication::font(), before);
}

}  // namespace
}  // namespace quorel::gui
