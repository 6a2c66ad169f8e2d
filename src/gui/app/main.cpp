#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorel"));
    quorel::gui::TSDIAppForm window;
    window.show();
    return app.exec();
}
