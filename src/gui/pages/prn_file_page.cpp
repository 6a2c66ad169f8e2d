#include "pages/prn_file_page.h"

#include "app/window_settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

PrnFilePage::PrnFilePage(SessionState& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName("PrnFilePage");

    // Printer setup: the five sections; the result options sit beside their sections.
    // The page scrolls rather than squeezing its boxes on a small window with large fonts.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    GroupBoxPrinter = named(new QGroupBox(QStringLiteral("Printer setup"), content), "GroupBoxPrinter");
    CheckBox1 = named(new QCheckBox(QStringLiteral("description of the circuit")), "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("parameters")), "CheckBox2");
    CheckBox3 = named(new QCheckBox(QStringLiteral("remarks")), "CheckBox3");
    CheckBox4 = named(new QCheckBox(QStringLiteral("result ( sheet ) ------->")), "CheckBox4");
    CheckBox5 = named(new QCheckBox(QStringLiteral("result ( ECG ) --------->")), "CheckBox5");
    CheckBox1->setChecked(true);

    GroupBox7 = named(new QGroupBox(QStringLiteral("single stimuli")), "GroupBox7");
    RadioButtonCUR = named(new QRadioButton(QStringLiteral("print current page"), GroupBox7), "RadioButtonCUR");
    RadioButtonALL = named(new QRadioButton(QStringLiteral("print all pages"), GroupBox7), "RadioButtonALL");
    RadioButtonCUR->setChecked(true);
    auto* g7 = new QHBoxLayout(GroupBox7);
    g7->setContentsMargins(6, 0, 6, 2);
    g7->addWidget(RadioButtonCUR);
    g7->addWidget(RadioButtonALL);
    g7->addStretch();

    GroupBox8 = named(new QGroupBox(QStringLiteral("font")), "GroupBox8");
    RadioButton13 = named(new QRadioButton(QStringLiteral("font1"), GroupBox8), "RadioButton13");
    RadioButton14 = named(new QRadioButton(QStringLiteral("font2"), GroupBox8), "RadioButton14");
    RadioButton13->setChecked(true);
    auto* g8 = new QHBoxLayout(GroupBox8);
    g8->setContentsMargins(6, 0, 6, 2);
    g8->addWidget(RadioButton13);
    g8->addWidget(RadioButton14);
    g8->addStretch();

    auto* printer = new QGridLayout(GroupBoxPrinter);
    printer->setContentsMargins(10, 2, 10, 4);
    printer->setVerticalSpacing(0);
    printer->addWidget(CheckBox1, 0, 0);
    printer->addWidget(CheckBox2, 1, 0);
    printer->addWidget(CheckBox3, 2, 0);
    printer->addWidget(CheckBox4, 3, 0);
    printer->addWidget(GroupBox7, 3, 1);
    printer->addWidget(CheckBox5, 4, 0);
    printer->addWidget(GroupBox8, 4, 1);
    printer->setColumnStretch(1, 1);

    // Save file setup: what a save writes.
    GroupBoxSave = named(new QGroupBox(QStringLiteral("Save file setup"), content), "GroupBoxSave");
    RadioButtonS1 = named(new QRadioButton(QStringLiteral("(1) QB compatible"), GroupBoxSave), "RadioButtonS1");
    RadioButtonS2 = named(new QRadioButton(QStringLiteral("(2) Original"), GroupBoxSave), "RadioButtonS2");
    (session_.saveFormat == 0 ? RadioButtonS1 : RadioButtonS2)->setChecked(true);
    LabelFilesS1 = named(new QLabel(QStringLiteral("( *.cir )")), "LabelFilesS1");
    LabelFilesS2 = named(new QLabel(QStringLiteral("( *.cir )+( *.mo1 )+( *.mo2 )+( *.mo3 ) ")), "LabelFilesS2");
    LabelFourFiles = named(new QLabel(QStringLiteral("----- This option will make four files -----")), "LabelFourFiles");
    auto* save = new QGridLayout(GroupBoxSave);
    save->setContentsMargins(10, 2, 10, 4);
    save->setVerticalSpacing(0);
    save->addWidget(RadioButtonS1, 0, 0);
    save->addWidget(LabelFilesS1, 0, 1);
    save->addWidget(RadioButtonS2, 1, 0);
    save->addWidget(LabelFilesS2, 1, 1);
    save->addWidget(LabelFourFiles, 2, 1);
    save->setColumnStretch(2, 1);

    Label123 = named(new QLabel(QStringLiteral("filename = ")), "Label123");
    Label124 = named(new QLabel(QStringLiteral("noname")), "Label124");
    Label124->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label123);
    fileRow->addWidget(Label124, 1);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(4);
    column->addWidget(GroupBoxPrinter);
    column->addWidget(GroupBoxSave);
    column->addLayout(fileRow);
    column->addStretch();

    connect(RadioButtonS1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButtonS1Click(); });
    connect(RadioButtonS2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButtonS2Click(); });
    setResultPrintOptionsEnabled(false);
}

void PrnFilePage::registerSettings(WindowSettings& settings, const QString& section)
{
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(CheckBox1), static_cast<QAbstractButton*>(CheckBox2),
                               static_cast<QAbstractButton*>(CheckBox3), static_cast<QAbstractButton*>(CheckBox4),
                               static_cast<QAbstractButton*>(CheckBox5), static_cast<QAbstractButton*>(RadioButtonS1),
                               static_cast<QAbstractButton*>(RadioButtonS2)})
        settings.addButton(section, b);
}

void PrnFilePage::setResultPrintOptionsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(CheckBox4), static_cast<QWidget*>(CheckBox5),
                       static_cast<QWidget*>(GroupBox7), static_cast<QWidget*>(GroupBox8),
                       static_cast<QWidget*>(RadioButtonCUR), static_cast<QWidget*>(RadioButtonALL),
                       static_cast<QWidget*>(RadioButton13), static_cast<QWidget*>(RadioButton14)})
        w->setEnabled(enabled);
}

void PrnFilePage::setFileName(const QString& path)
{
    Label124->setText(path.isEmpty() ? QStringLiteral("noname") : path);
}

ReportOptions PrnFilePage::reportOptions() const
{
    ReportOptions o;
    o.description = CheckBox1->isChecked();
    o.parameters = CheckBox2->isChecked();
    o.remarks = CheckBox3->isChecked();
    o.resultSheet = CheckBox4->isChecked();
    o.ecg = CheckBox5->isChecked();
    o.allPages = RadioButtonALL->isChecked();
    o.outlinedDots = RadioButton14->isChecked();
    return o;
}

void PrnFilePage::RadioButtonS1Click()
{
    session_.saveFormat = 0;
}

void PrnFilePage::RadioButtonS2Click()
{
    session_.saveFormat = 1;
}

}  // namespace quorel::gui
