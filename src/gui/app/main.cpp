#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quorel::gui::ApplicationHooks hooks = quorel::gui::ApplicationHooks::forProgram();
    hooks.openAtStart = quorel::gui::circuitFileArgument(QApplication::arguments());
    return quorel::gui::runApplication(app, hooks);
}
