#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include <vector>

namespace addressbook {

class StringGridModel;

// A grid of text cells addressed by (column, row), with row 0 a fixed header
// row shown in the view's header. Cells live in the grid's own store; the
// view reads them through a thin model, so filling tens of thousands of rows
// costs a vector write per cell, not a widget item.
//
// The selected row (row()) is a data row, 1 or more, and always exists: when
// the row count shrinks below it, the last row is selected instead.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget *parent = nullptr);
    ~StringGrid() override;

    int colCount() const;
    void setColCount(int count);
    // Rows including the header row; never fewer than 2.
    int rowCount() const;
    void setRowCount(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    int row() const { return selectedRow_; }
    void setRow(int row);

    void setDefaultColWidth(int width);
    void setColWidth(int col, int width);
    int colWidth(int col) const;

private:
    void syncSelectionToView();

    StringGridModel *model_;
    int selectedRow_ = 1;
};

// The model behind StringGrid: data rows of the store as view rows 0..n-1,
// the store's row 0 as the horizontal header.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int gridRows() const { return static_cast<int>(rows_.size()); }
    int gridCols() const { return cols_; }
    void setGridRows(int count);
    void setGridCols(int count);
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

private:
    void scheduleRepaint();

    std::vector<std::vector<QString>> rows_; // row 0 is the header
    int cols_ = 5;
    bool repaintPending_ = false;
};

} // namespace addressbook
