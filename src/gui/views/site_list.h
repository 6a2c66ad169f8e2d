#pragma once
// The owner-drawn site list of every site chooser (ComboBoxS, ComboBox1..10,
// ComboBoxE1..16, ComboBoxMOV and the site pop-up): items "site1" .. "siteN", each
// painted in its region colour with highlight (drawSiteItem), so that the QRS reference
// is yellow and the stimulus site red. Item index i stands for site i + 1.
//
// Use: setCircuitModel(&model) once; setSiteCount(model.totalSiteCount) whenever
// fillSiteChoosers / fillDisplaySiteLists report that the lists were refilled;
// site() / setSite(k) to read and show a choice; siteChanged(k) on a user's choice.
// The list repaints itself when shown; call update() after the stimulus site changes
// while it is visible. A disabled list shows its site faded.

#include "model/circuit_model.h"

#include <QComboBox>
#include <QStyledItemDelegate>

namespace quorel::gui {

constexpr int kSiteItemHeight = 16;
// Items shown at once when a list drops down; longer lists scroll.
constexpr int kSiteListVisibleItems = 16;

// drawSiteItem for the items of the drop-down list.
class SiteItemDelegate : public QStyledItemDelegate {
public:
    SiteItemDelegate(const CircuitModel* const* model, const QPoint* textOffset, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CircuitModel* const* model_;
    const QPoint* textOffset_;
};

class SiteList : public QComboBox {
    Q_OBJECT
public:
    explicit SiteList(QWidget* parent = nullptr);

    void setCircuitModel(const CircuitModel* model);
    // Empties the list, adds "site1" .. "site" + count and selects the first item.
    void setSiteCount(int count);
    int siteCount() const { return count(); }
    // The chosen site (item index + 1); 0 for an empty list.
    int site() const { return currentIndex() + 1; }
    // Shows site k (nothing for a site the list does not hold).
    void setSite(int site);
    // Where the item text starts inside its rectangle: (1, 0) on the main window,
    // (2, 1) in the site pop-up.
    void setTextOffset(QPoint offset) { textOffset_ = offset; }

    // siteColour(index + 1, highlight) as a colour; white without a model.
    QColor itemColour(int index) const;
    // Where the closed list draws its chosen site (inside the frame, left of the arrow).
    QRect faceRect() const;
    // Item text colour: blue for the focused item, black otherwise.
    static QColor textColour(bool focused);

signals:
    // The user chose a site (mouse or keyboard); not emitted by setSite or setSiteCount.
    void siteChanged(int site);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CircuitModel* model_ = nullptr;
    QPoint textOffset_{1, 0};
};

}  // namespace quorel::gui
