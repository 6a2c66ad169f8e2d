#include "pages/param3_page.h"

#include "model/conduction.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

constexpr int kGroupIndent = 18;   // the boxes of a mode stand indented under its switch

}  // namespace

Param3Page::Param3Page(ParameterForm& form, QWidget* parent) : ParameterPage(form, "TabSheet_des2", parent)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    grid->addWidget(addLabel("stimulus site ---->", this, "CaptionS"), 0, 0);
    ComboBoxS = createSiteList(this, QStringLiteral("ComboBoxS"), form.model());
    grid->addWidget(ComboBoxS, 0, 1, 1, 2, Qt::AlignLeft);
    addBoxRow(grid, 1, 19, "set clock (Q) to scan in increments of------------------------->", "sec");
    grid->setRowMinimumHeight(2, 8);

    grid->addWidget(addRadio(9, "single stimuli", this), 3, 0, 1, 3);
    addBoxRow(grid, 4, 20, "number of revolutions (1-30) ------------------------------------>");
    addBoxRow(grid, 5, 25, "scan stimuli in decrements of ---------------------------------->", "msec");
    grid->setRowMinimumHeight(6, 8);

    grid->addWidget(addRadio(10, "trains", this), 7, 0, 1, 3);
    addBoxRow(grid, 8, 21, "number of stimuli (1-25)-------------------------------------------->");
    addBoxRow(grid, 9, 23, "pacing cycle length ------------------------------------------------->", "sec");
    addBoxRow(grid, 10, 24, "coupling interval of first beat ----------------------------------->", "sec");
    QLabel* note = addLabel("number of revolutions = number of stimuli + 5", this, "LabelTrainRevolutions");
    grid->addWidget(note, 11, 0, 1, 3);
    grid->setRowMinimumHeight(12, 8);
    auto* estimate = new QHBoxLayout;
    estimate->setSpacing(4);
    estimate->addWidget(addLabel("estimated VT cycle length =", this));
    Label144 = addLabel("", this, "Label144");
    estimate->addWidget(Label144);
    estimate->addStretch(1);
    grid->addLayout(estimate, 13, 0, 1, 3);
    grid->setColumnStretch(3, 1);

    for (int tag : {20, 25, 21, 23, 24}) {
        auto* caption = findChild<QLabel*>(QStringLiteral("Caption%1").arg(tag));
        caption->setIndent(kGroupIndent);
        (tag == 20 || tag == 25 ? singleStimuliLabels_ : trainLabels_).push_back(caption);
        if (auto* unit = findChild<QLabel*>(QStringLiteral("Unit%1").arg(tag)))
            (tag == 25 ? singleStimuliLabels_ : trainLabels_).push_back(unit);
    }
    note->setIndent(kGroupIndent);
    trainLabels_.push_back(note);

    connect(ComboBoxS, &SiteList::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            form_.ComboBoxSChange(index);
    });

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addLayout(grid);
    page->addStretch(1);
    syncFromForm();
}

void Param3Page::syncFromForm()
{
    ParameterPage::syncFromForm();
    const CircuitModel& m = form_.model();
    fillSiteList(ComboBoxS, m.siteChooserItemCount, m.stimulusSite - 1);
    Label144->setText(QString::fromStdString(cycleLengthLabels(m).Label144));
    for (QWidget* label : singleStimuliLabels_)
        label->setEnabled(form_.singleStimuliControlsEnabled());
    for (QWidget* label : trainLabels_)
        label->setEnabled(form_.trainControlsEnabled());
}

}  // namespace quorel::gui
