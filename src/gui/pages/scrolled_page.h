#pragma once
// Pages of text lines scroll when the window is small, so that their length never sets
// the smallest size of the main window.

class QWidget;

namespace quorel::gui {

// Fills `page` with a frameless scroll area and returns the widget inside it, which
// takes the page's layout and children.
QWidget* scrolledContent(QWidget* page);

}  // namespace quorel::gui
