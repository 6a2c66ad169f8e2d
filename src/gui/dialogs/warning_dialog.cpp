#include "dialogs/warning_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorel::gui {

TForm1::TForm1(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("WARNING"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    for (int i = 0; i < 5; ++i) {
        *labels[i] = new QLabel(this);
        (*labels[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        layout->addWidget(*labels[i]);
    }
    Label1->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
    Label1->setAlignment(Qt::AlignCenter);

    auto* group = new QGroupBox(QStringLiteral("Do you wish to : "), this);
    auto* groupLayout = new QVBoxLayout(group);
    RadioButtonContinue = new QRadioButton(QStringLiteral("continue"), group);
    RadioButtonStartOver = new QRadioButton(QStringLiteral("start over with a new circuit"), group);
    RadioButtonReset =
        new QRadioButton(QStringLiteral("reset the scanning interval for the present circuit"), group);
    RadioButtonContinue->setObjectName("RadioButtonContinue");
    RadioButtonStartOver->setObjectName("RadioButtonStartOver");
    RadioButtonReset->setObjectName("RadioButtonReset");
    RadioButtonContinue->setChecked(true);
    groupLayout->addWidget(RadioButtonContinue);
    groupLayout->addWidget(RadioButtonStartOver);
    groupLayout->addWidget(RadioButtonReset);
    layout->addWidget(group);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("ButtonOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TForm1::setTexts(const WarningTexts& texts)
{
    Label1->setText(QString::fromStdString(texts.Label1));
    Label2->setText(QString::fromStdString(texts.Label2));
    Label3->setText(QString::fromStdString(texts.Label3));
    Label4->setText(QString::fromStdString(texts.Label4));
    Label5->setText(QString::fromStdString(texts.Label5));
    adjustSize();
}

TForm1::Choice TForm1::choice() const
{
    if (RadioButtonStartOver->isChecked())
        return StartOver;
    if (RadioButtonReset->isChecked())
        return ResetInterval;
    return Continue;
}

void TForm1::centreOn(const QWidget& owner)
{
    const QRect frame = owner.frameGeometry();
    move(frame.left() + frame.width() / 2 - width() / 2, frame.top() + frame.height() / 2 - height() / 2);
}

}  // namespace quorel::gui
