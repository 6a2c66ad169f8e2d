#include "pages/scrolled_page.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace quorel::gui {

QWidget* scrolledContent(QWidget* page)
{
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return content;
}

}  // namespace quorel::gui
