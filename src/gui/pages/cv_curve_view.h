#pragma once
// SGCVC: the C.V. curve of one site. Row 0 of the CvCurveTable is the header.

#include "model/conduction.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace quorel::gui {

class CvCurveModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CvCurveModel(CvCurveTable& table, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // After fillCvCurve or cvCurveTableOf replaced the table.
    void reload();

private:
    CvCurveTable& table_;
};

class CvCurveView : public QTableView {
    Q_OBJECT
public:
    CvCurveView(CvCurveModel* model, QWidget* parent);
    // Widths 20/60/61/61, or 60 for the last two on a large-font screen.
    void setLargeFonts(bool large);
};

}  // namespace quorel::gui
