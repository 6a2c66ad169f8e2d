#pragma once
// SGDI and its read-only copy SGDI2: one row per segment of the circuit. Both views
// show the same SegmentTable through one SegmentTableModel; row 0 of the table (the
// headers) is the views' header, so table row r is view row r - 1.

#include "model/circuit_model.h"
#include "model/segment_table.h"
#include "presentation/table_cells.h"

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

namespace quorel::gui {

class SegmentTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    SegmentTableModel(const CircuitModel& model, SegmentTable& table, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes a cell's text only; the circuit model is written by OnDCEdit alone.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Table row / column of a view index and back.
    static int tableRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex indexOf(int tableRow, int column) const { return index(tableRow - 1, column); }

    void setEditable(bool editable) { editable_ = editable; }
    bool editable() const { return editable_; }
    // After describeSegments: the row count and every cell may have changed.
    void reload();
    // After an edit: D.I., S.L. and C.T. of every row and the given cell.
    void cellsChanged(int tableRow, int column);
    // The cell shows the value the model holds (after editing ends).
    void showStoredValue(int tableRow, int column);

    const CircuitModel& circuit() const { return model_; }
    const SegmentTable& table() const { return table_; }

private:
    const CircuitModel& model_;
    SegmentTable& table_;
    bool editable_ = false;
};

// The in-place editor: lets only digits, "." and control keys through and hands
// ctrl+C / ctrl+V to the table.
class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget* parent);

signals:
    void copyRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class SegmentTableView : public QTableView {
    Q_OBJECT
public:
    SegmentTableView(SegmentTableModel* model, SegmentGrid kind, QWidget* parent);

    SegmentGrid kind() const { return kind_; }
    SegmentTableModel* segmentModel() const { return model_; }

    // Columns 0..count-1 stay in place when the table scrolls sideways (SGDI: 4).
    void setFixedColumnCount(int count);
    int fixedColumnCount() const { return fixedColumns_; }
    // Whether the fixed columns currently stay in place (the table is wide enough).
    bool fixedColumnsFrozen() const;
    QTableView* fixedColumnsView() const { return frozen_; }

    // Column widths 245/43/43/43/30/30 and 37, or 35 for S.F. on a large-font screen.
    void setLargeFonts(bool large);

    // Edit mode: the editor stays open on the current cell while it is a C.V., ERP or
    // S.F. cell of a segment row. Turning it on opens the editor; off closes it.
    void setEditMode(bool on);
    bool editMode() const { return editMode_; }
    // The open editor of a table cell, if any.
    CellEditor* editorAt(int tableRow, int column) const;

    // The selected cells (or the current cell) as rows of texts, for ctrl+C.
    std::vector<std::vector<std::string>> selectedTexts() const;
    // Table row and column of the top-left selected cell (or the current cell); row 0
    // when there is none.
    std::pair<int, int> selectionAnchor() const;

signals:
    // Text typed into the editor of a table cell.
    void cellTextEdited(int tableRow, int column, const QString& text);
    // A click on a row, or the current row moved by the keyboard.
    void rowChosen(int tableRow);
    void copyRequested();
    void pasteRequested();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void applyColumnWidths();
    void updateFrozenGeometry();
    int fixedWidth() const;
    void openEditorAt(const QModelIndex& index);
    void closeEditorAt(const QModelIndex& index);

    // The model belongs to the page "param2"; SGDI2 on another page may outlive it.
    QPointer<SegmentTableModel> model_;
    SegmentGrid kind_;
    QTableView* frozen_ = nullptr;
    int fixedColumns_ = 0;
    bool largeFonts_ = false;
    bool editMode_ = false;
    QPersistentModelIndex editorIndex_;
};

}  // namespace quorel::gui
