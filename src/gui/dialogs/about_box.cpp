#include "dialogs/about_box.h"

#include "app/glyphs.h"
#include "presentation/shell_layout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorel::gui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("Virsion"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(glyph(Glyph::ProgramIcon));
    ProgramIcon->setFixedSize(40, 40);
    ProgramIcon->setAlignment(Qt::AlignCenter);

    ProductName = new QLabel(QStringLiteral("Quorel"), Panel1);
    ProductName->setObjectName("ProductName");
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ProductName->setFont(big);

    Version = new QLabel(QStringLiteral("Version 2.645"), Panel1);
    Version->setObjectName("Version");

    Copyright = new QLabel(QStringLiteral("Made by the Quorel developers"), Panel1);
    Copyright->setObjectName("Copyright");

    Comments = new QLabel(QStringLiteral("A model of figure-8 reentrant ventricular tachycardia\n"
                                         "and its response to programmed stimulation.\n"
                                         "For teaching and research, not for clinical decisions."),
                          Panel1);
    Comments->setObjectName("Comments");
    Comments->setWordWrap(false);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(14);
    grid->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    grid->addWidget(Copyright, 2, 1);
    grid->addWidget(Comments, 3, 1);
    grid->setRowMinimumHeight(2, 28);
    grid->setRowStretch(4, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(Panel1);
    column->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

QPoint TAboutBox::centredPosition(const QRect& mainFrame) const
{
    const QSize own = frameGeometry().size();
    const WindowOrigin o = centredIn(mainFrame.left(), mainFrame.top(), mainFrame.width(),
                                     mainFrame.height(), own.width(), own.height());
    return {o.left, o.top};
}

int TAboutBox::showCentredOver(const QWidget* mainWindow)
{
    if (mainWindow) {
        winId();   // the window system's frame, where it is known before showing, counts too
        move(centredPosition(mainWindow->frameGeometry()));
    }
    return exec();
}

}  // namespace quorel::gui
