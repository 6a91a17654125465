#include "StringGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTimer>

#include <algorithm>

namespace addressbook {

StringGridModel::StringGridModel(QObject *parent) : QAbstractTableModel(parent), rows_(2) {}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : gridRows() - 1;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.column(), index.row() + 1);
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return cell(section, 0);
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void StringGridModel::setGridRows(int count)
{
    count = std::max(count, 2);
    const int current = gridRows();
    if (count == current)
        return;
    if (count > current) {
        beginInsertRows(QModelIndex(), current - 1, count - 2);
        rows_.resize(static_cast<std::size_t>(count));
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count - 1, current - 2);
        rows_.resize(static_cast<std::size_t>(count));
        endRemoveRows();
    }
}

void StringGridModel::setGridCols(int count)
{
    count = std::max(count, 1);
    if (count == cols_)
        return;
    if (count > cols_) {
        beginInsertColumns(QModelIndex(), cols_, count - 1);
        cols_ = count;
        endInsertColumns();
    } else {
        beginRemoveColumns(QModelIndex(), count, cols_ - 1);
        cols_ = count;
        endRemoveColumns();
    }
}

QString StringGridModel::cell(int col, int row) const
{
    if (row < 0 || row >= gridRows() || col < 0)
        return {};
    const auto &cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : QString();
}

// Cells outside the shown columns are kept, as the grid's store is wider than
// its view: a column that comes back shows what was written to it.
void StringGridModel::setCell(int col, int row, const QString &text)
{
    if (row < 0 || row >= gridRows() || col < 0)
        return;
    auto &cells = rows_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= cells.size())
        cells.resize(static_cast<std::size_t>(col) + 1);
    cells[static_cast<std::size_t>(col)] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        scheduleRepaint();
}

// One repaint for a burst of cell writes instead of a signal per cell.
void StringGridModel::scheduleRepaint()
{
    if (repaintPending_)
        return;
    repaintPending_ = true;
    QTimer::singleShot(0, this, [this] {
        repaintPending_ = false;
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    });
}

StringGrid::StringGrid(QWidget *parent) : QTableView(parent), model_(new StringGridModel(this))
{
    setModel(model_);
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab leaves the grid for the next control
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(16);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(75);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setFixedHeight(17);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    selectedRow_ = current.row() + 1;
            });
    syncSelectionToView();
}

StringGrid::~StringGrid() = default;

int StringGrid::colCount() const
{
    return model_->gridCols();
}

void StringGrid::setColCount(int count)
{
    model_->setGridCols(count);
}

int StringGrid::rowCount() const
{
    return model_->gridRows();
}

void StringGrid::setRowCount(int count)
{
    const int keep = selectedRow_;
    model_->setGridRows(count);
    selectedRow_ = std::min(keep, model_->gridRows() - 1);
    syncSelectionToView();
}

QString StringGrid::cell(int col, int row) const
{
    return model_->cell(col, row);
}

void StringGrid::setCell(int col, int row, const QString &text)
{
    model_->setCell(col, row, text);
}

void StringGrid::setRow(int row)
{
    selectedRow_ = std::clamp(row, 1, model_->gridRows() - 1);
    syncSelectionToView();
}

void StringGrid::setDefaultColWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
}

void StringGrid::setColWidth(int col, int width)
{
    setColumnWidth(col, width);
}

int StringGrid::colWidth(int col) const
{
    return columnWidth(col);
}

void StringGrid::syncSelectionToView()
{
    const QModelIndex target = model_->index(selectedRow_ - 1, 0);
    if (!target.isValid())
        return;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace addressbook
