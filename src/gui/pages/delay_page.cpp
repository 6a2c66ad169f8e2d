#include "pages/delay_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorel::gui {

DelayPage::DelayPage(ParameterForm& form, QWidget* parent) : ParameterPage(form, "TabSheet_delay", parent)
{
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(4);
    addBoxRow(boxes, 0, 9, "distance from site1 to exit site for QRS onset ------------------>", "cm");
    addBoxRow(boxes, 1, 10, "numer of segments from site1 to QRS onset (1-5)------------->");
    boxes->setColumnStretch(3, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(addLabel("Do you want a delay from site1 to QRS onset? --------------------> Yes", this));
    page->addSpacing(12);
    page->addLayout(boxes);
    page->addStretch(1);
    syncFromForm();
}

}  // namespace quorel::gui
