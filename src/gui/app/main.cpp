#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return quorel::gui::runApplication(app, quorel::gui::ApplicationHooks::forProgram());
}
