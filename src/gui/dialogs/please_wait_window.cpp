#include "dialogs/please_wait_window.h"

#include "presentation/shell_layout.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace quorel::gui {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("please wait"));
    setFixedSize(195, 81);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(QStringLiteral("Please wait a moment"), this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);

    auto* column = new QVBoxLayout(this);
    column->addStretch();
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addStretch();
}

void TForm3::showMessage(const QString& message, const QRect& mainFrame, int mode)
{
    Label1->setText(message);
    winId();   // the window system's frame, where it is known before showing, counts too
    const QSize own = frameGeometry().size();
    if (const auto o = pleaseWaitOrigin(mode, mainFrame.left(), mainFrame.top(), mainFrame.width(),
                                        mainFrame.height(), own.width(), own.height()))
        move(o->left, o->top);
    show();
    raise();
}

void TForm3::showMessage(const QString& message, const QWidget* mainWindow, int mode)
{
    showMessage(message, mainWindow ? mainWindow->frameGeometry() : QRect(), mode);
}

void waitPumping(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(std::max(0, milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace quorel::gui
