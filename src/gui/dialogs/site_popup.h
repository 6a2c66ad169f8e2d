#pragma once
// TForm2, "Select Site": the small borderless window that opens beside an ECG channel's
// label with one site list, which drops down by itself. Created once with the other
// windows; selectSiteFromPopup waits (a modal dialog) until a site is picked.

#include "model/circuit_model.h"

#include <QDialog>

class QLabel;

namespace quorel::gui {

class SiteList;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The list refilled with "site1" .. "site" + totalSiteCount and `site` preselected,
    // the window at `origin` (screen pixels), the list dropped down; returns the site
    // picked, or 0 when the list was closed without a choice (Escape, a click elsewhere),
    // which leaves the channel as it was.
    int selectSiteFromPopup(const CircuitModel& model, int site, QPoint origin);

    SiteList* ComboBox1 = nullptr;
    QLabel* Label9 = nullptr;  // "0" while waiting, "9" once a site was picked (never shown)

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listClosed(int wait);

    QPoint origin_;
    int chosen_ = 0;
    int waits_ = 0;  // counts the waits, so that a late word from one cannot end the next
};

}  // namespace quorel::gui
