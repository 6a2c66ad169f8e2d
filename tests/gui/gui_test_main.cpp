// GoogleTest main for the GUI tests: one QApplication on the offscreen platform, drawing in
// one known font so that no layout expectation depends on the fonts of the machine.
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    const bool listing = app.arguments().contains(QStringLiteral("--gtest_list_tests"));
    if (!listing && QFontInfo(font).family() != QStringLiteral("DejaVu Sans")) {
        std::fprintf(stderr, "The GUI tests draw in DejaVu Sans, which is not installed: "
                             "run scripts/setup (package fonts-dejavu-core).\n");
        return 1;
    }
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
