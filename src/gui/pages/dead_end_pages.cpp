#include "pages/dead_end_pages.h"

#include "engine/circuit_check.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

// "caption" [value] "caption": one line of orientation text with its value label.
QLabel* addValueLine(QVBoxLayout* lines, QWidget* page, const char* before, const char* valueName,
                     const char* after)
{
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    line->addWidget(new QLabel(QString::fromLatin1(before), page));
    auto* value = new QLabel(page);
    value->setObjectName(QString::fromLatin1(valueName));
    line->addWidget(value);
    if (after)
        line->addWidget(new QLabel(QString::fromLatin1(after), page));
    line->addStretch(1);
    lines->addLayout(line);
    return value;
}

QVBoxLayout* pageLayout(QWidget* page, QLabel* answer, QGridLayout* boxes)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(answer);
    layout->addSpacing(12);
    layout->addLayout(boxes);
    layout->addSpacing(16);
    return layout;
}

}  // namespace

QGridLayout* DeadEndPage::pathwayBoxes(int firstTag)
{
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(4);
    addBoxRow(boxes, 0, firstTag, "site connected to dead-end pathway ----------------------------->");
    addBoxRow(boxes, 1, firstTag + 1, "distance from dead-end site to circuit ---------------------------->", "cm");
    addBoxRow(boxes, 2, firstTag + 2, "number of segments in the dead-end pathway (1-5)------->");
    boxes->setColumnStretch(3, 1);
    return boxes;
}

DeadEnd1Page::DeadEnd1Page(ParameterForm& form, QWidget* parent) : DeadEndPage(form, "TabSheet_de1", parent)
{
    QGridLayout* boxes = pathwayBoxes(11);
    QVBoxLayout* page = pageLayout(
        this, addLabel("Do you want a dead-end pathway? ------------------------------------> Yes", this), boxes);
    Label25 = addValueLine(page, this, "sites1 to", "Label25", "is inner circuit");
    Label28 = addValueLine(page, this, "inner and outer loop connect at site", "Label28", nullptr);
    page->addStretch(1);
    syncFromForm();
}

void DeadEnd1Page::syncFromForm()
{
    ParameterPage::syncFromForm();
    const OrientationLabels& labels = form_.orientationLabels();
    Label25->setText(QString::fromStdString(labels.Label25));
    Label28->setText(QString::fromStdString(labels.Label28));
}

DeadEnd2Page::DeadEnd2Page(ParameterForm& form, QWidget* parent) : DeadEndPage(form, "TabSheet_de2", parent)
{
    QGridLayout* boxes = pathwayBoxes(14);
    QVBoxLayout* page = pageLayout(
        this, addLabel("Do you want a second dead-end pathway? -----------------------> Yes", this), boxes);
    Label34 = addValueLine(page, this, "sites1 to", "Label34", "is inner circuit");
    Label37 = addValueLine(page, this, "inner and outer loop connect at site", "Label37", nullptr);
    Label39 = addValueLine(page, this, "first dead-end pathway is connected to site", "Label39", nullptr);
    page->addSpacing(10);
    conflictMessage = addLabel(CheckCaption::Label79, this, "DeadEndConflictMessage");
    conflictMessage->setStyleSheet(QStringLiteral("color: #ff0000;"));
    page->addWidget(conflictMessage);
    page->addStretch(1);
    syncFromForm();
}

void DeadEnd2Page::syncFromForm()
{
    ParameterPage::syncFromForm();
    const OrientationLabels& labels = form_.orientationLabels();
    Label34->setText(QString::fromStdString(labels.Label34));
    Label37->setText(QString::fromStdString(labels.Label37));
    Label39->setText(QString::fromStdString(labels.Label39));
    conflictMessage->setVisible(form_.label79Visible());
}

}  // namespace quorel::gui
