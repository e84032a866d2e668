#pragma once
// The table window's grid: a QTableView over GridModel, a model of our own that reads the rows
// of the window's data control (RecordSource) a page at a time as they are shown, so a long
// list is never copied whole. A row of line edits above the columns is the grid's filter bar.
// The grid forwards header clicks, row changes, keys, double clicks and focus to the engine.
#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <vector>

#include "tables/controls.h"

class QLabel;
class QLineEdit;

namespace razudar::tables {

class RecordSource;
class clsTabella;

struct GridColumn {
    QString caption;
    QString dataField;  // empty for the unbound flag column
    bool headingBold = false;
};

class GridModel : public QAbstractTableModel {
public:
    GridModel(RecordSource& source, std::vector<GridColumn> columns, QObject* parent = nullptr);
    void setEngine(clsTabella* engine) { engine_ = engine; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    std::vector<GridColumn>& columns() { return columns_; }
    void reset();
    void rowChanged(int row);
    void headerChanged(int column);
    // Cells the window computes itself (unbound columns other than the flag column), and the
    // window's own cell look (background and text colours): empty answers leave the default.
    std::function<QVariant(int row, int column)> computedCell;
    std::function<QVariant(int row, int column, int role)> cellStyle;

private:
    RecordSource& source_;
    std::vector<GridColumn> columns_;
    std::vector<int> fieldOfColumn_;  // the data control's field number per column, -1 none
    clsTabella* engine_ = nullptr;
};

class GridWidget : public QWidget, public GridControl {
public:
    GridWidget(RecordSource& source, std::vector<GridColumn> columns, QWidget* parent = nullptr);
    // The engine the grid forwards its events to; a host whose engine is destroyed before its
    // child widgets sets nullptr first.
    void setEngine(clsTabella* engine);
    QTableView* view() const { return view_; }
    QString recordBarText() const;
    GridModel* model() const { return model_; }

    int columnCount() const override { return static_cast<int>(model_->columns().size()); }
    QString columnCaption(int column) const override;
    void setColumnCaption(int column, const QString& caption) override;
    QString columnDataField(int column) const override;
    void setColumnHeadingBold(int column, bool bold) override;
    QString columnFilterText(int column) const override;
    void setColumnFilterText(int column, const QString& text) override;
    void setFontBold(bool bold) override;
    void setResizing(bool rows, bool columns) override;
    void setRowSelection(bool rows) override;
    void setLook(GridLook look) override;
    void setTabStop(bool on) override;
    void setFocus() override { view_->setFocus(); }
    void reload() override;
    void showCurrentRow(int row) override;
    void refreshRow(int row) override { model_->rowChanged(row); }
    void setColumnVisible(int column, bool visible) { view_->setColumnHidden(column, !visible); }
    bool isColumnVisible(int column) const { return !view_->isColumnHidden(column); }
    // The column that takes the width the others leave (-1: none, the default).
    void setStretchColumn(int column);
    // The window's own handling of a key pressed in the grid (Qt key code); true when handled.
    std::function<bool(int key)> keyPressHook;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void currentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    void alignFilterBar();

    RecordSource& source_;
    QTableView* view_;
    GridModel* model_;
    std::vector<QLineEdit*> filters_;
    QWidget* filterIndent_ = nullptr;  // as wide as the row headers
    QLabel* recordBar_ = nullptr;      // the data control's caption (" Record 3 / 12")
    clsTabella* engine_ = nullptr;
    bool showing_ = false;  // the engine is moving the current row: no row-change event
    int stretchColumn_ = -1;
};

}  // namespace razudar::tables
