#include "pages/loop_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorel::gui {

LoopPage::LoopPage(ParameterForm& form, QWidget* parent) : ParameterPage(form, "TabSheet_Out", parent)
{
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    addBoxRow(boxes, 0, 8, "number of sites in outer loop of circuit (7- 42)-------------------->");
    boxes->setColumnStretch(3, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(addLabel("  when ratio of outer and inner loop length? = 1 ------------------> No", this));
    page->addSpacing(12);
    page->addLayout(boxes);
    page->addStretch(1);
    syncFromForm();
}

}  // namespace quorel::gui
