#include "pages/param1_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

// The pages whose visibility or hint the parameter rules change.
constexpr FormPage kOptionalPages[] = {FormPage::TabSheet_Out, FormPage::TabSheet_delay,
                                       FormPage::TabSheet_de1, FormPage::TabSheet_de2};
constexpr int kHintedPages = pageIndex(FormPage::TabSheet_param4) + 1;

}  // namespace

Param1Page::Param1Page(ParameterForm& form, QWidget* parent)
    : ParameterPage(form, "TabSheet_general", parent)
{
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(4);
    addBoxRow(boxes, 0, 1, "circuit radius ----------------------------------------------------------------->", "m");
    addBoxRow(boxes, 1, 2, "cardiac radius --------------------------------------------------------------->", "m");
    addBoxRow(boxes, 2, 3, "ratio of the lenght of the outer to inner loops --------------->");
    addBoxRow(boxes, 3, 4, "number of sites in slow circuit (11-40)---------------------------->");
    addBoxRow(boxes, 4, 5, "site at which inner loop connects with outer loop -------->");
    addBoxRow(boxes, 5, 6, "site at which outer loop enters scar ------------------------------>");
    boxes->setColumnStretch(3, 1);

    // The Yes/No questions: question left, the pair right, one row each.
    auto* switches = new QGridLayout;
    switches->setHorizontalSpacing(10);
    switches->setVerticalSpacing(2);
    auto* equal = new QVBoxLayout;
    equal->setSpacing(0);
    equal->addWidget(addLabel("To set equal segment lengths of inner and outer circuits", this));
    equal->addWidget(addLabel("  when ratio of outer and inner loop length = 1?", this));
    switches->addLayout(equal, 0, 0);
    const char* const questions[] = {"Do you want a delay from site1 to QRS onset?",
                                     "Do you want a dead-end pathway?",
                                     "Do you want a second dead-end pathway?"};
    for (int row = 1; row <= 3; ++row)
        switches->addWidget(addLabel(questions[row - 1], this), row, 0);
    for (int row = 0; row < 4; ++row) {
        switches->addWidget(addRadio(2 * row + 1, "Yes", this), row, 1, Qt::AlignBottom);
        switches->addWidget(addRadio(2 * row + 2, "No", this), row, 2, Qt::AlignBottom);
    }
    switches->setColumnStretch(3, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addLayout(boxes);
    page->addSpacing(14);
    page->addLayout(switches);
    page->addStretch(1);

    for (FormPage optional : kOptionalPages)
        reportedVisible_[pageIndex(optional)] = form_.pageVisible(optional);
    for (int index = 0; index < kHintedPages; ++index)
        reportedHint_[index] = form_.pageHint(static_cast<FormPage>(index));
    syncFromForm();
}

void Param1Page::syncFromForm()
{
    ParameterPage::syncFromForm();
    for (FormPage optional : kOptionalPages) {
        const int index = pageIndex(optional);
        const bool visible = form_.pageVisible(optional);
        if (visible != reportedVisible_[index]) {
            reportedVisible_[index] = visible;
            emit pageVisibilityChanged(index, visible);
        }
    }
    for (int index = 0; index < kHintedPages; ++index) {
        const std::string& hint = form_.pageHint(static_cast<FormPage>(index));
        if (hint != reportedHint_[index]) {
            reportedHint_[index] = hint;
            emit pageHintChanged(index, QString::fromStdString(hint));
        }
    }
}

void Param1Page::reportPageStates()
{
    for (FormPage optional : kOptionalPages) {
        reportedVisible_[pageIndex(optional)] = form_.pageVisible(optional);
        emit pageVisibilityChanged(pageIndex(optional), form_.pageVisible(optional));
    }
    for (int index = 0; index < kHintedPages; ++index) {
        reportedHint_[index] = form_.pageHint(static_cast<FormPage>(index));
        emit pageHintChanged(index, QString::fromStdString(reportedHint_[index]));
    }
}

}  // namespace quorel::gui
