#include "tables/widgets/grid_widget.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "model/bas_utilita.h"
#include "model/basic.h"
#include "tables/cls_tabella.h"
#include "tables/record_source.h"
#include "tables/widgets/guarded_call.h"

namespace razudar::tables {

namespace {

// A date-time cell: the date, and the time of day when it has one ("18/02/2024 09.30").
QString dateTimeCellText(const QVariant& value) {
    const QDateTime moment = value.toDateTime();
    if (moment.time() == QTime(0, 0)) return DataTesto(value);
    return DataTesto(value) + u' ' + moment.time().toString(QStringLiteral("hh.mm"));
}

}  // namespace

GridModel::GridModel(RecordSource& source, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns)) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_.isOpen() ? 0 : source_.recordCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

void GridModel::reset() {
    beginResetModel();
    fieldOfColumn_.clear();
    for (const GridColumn& c : columns_) fieldOfColumn_.push_back(c.dataField.isEmpty() ? -1 : source_.fieldIndex(c.dataField));
    endResetModel();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (cellStyle && (role == Qt::BackgroundRole || role == Qt::ForegroundRole)) {
        if (QVariant style = cellStyle(index.row(), index.column(), role); style.isValid()) return style;
    }
    const std::size_t column = static_cast<std::size_t>(index.column());
    const int field = column < fieldOfColumn_.size() ? fieldOfColumn_[column] : -1;
    if (field < 0) {
        // The unbound flag column asks the engine for the row's flag.
        if (role == Qt::CheckStateRole && engine_ && index.column() == engine_->int_ColonnaFlag) {
            const QVariant flag = engine_->dbg_Elenco_UnboundColumnFetch(index.row(), index.column());
            if (flag.isValid()) return flag.toBool() ? Qt::Checked : Qt::Unchecked;
        }
        if (role == Qt::DisplayRole && computedCell) return computedCell(index.row(), index.column());
        return {};
    }
    if (role != Qt::DisplayRole) {
        if (role == Qt::TextAlignmentRole) {
            const int type = source_.fields()[static_cast<std::size_t>(field)].type;
            if (type != db::field_type::kText && type != db::field_type::kMemo && type != db::field_type::kDate) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        return {};
    }
    QVariant value;
    try {
        value = source_.valueAt(index.row(), field);
    } catch (const std::exception&) {
        return {};  // a page that cannot be read shows empty cells; the next reload reports
    }
    if (value.typeId() == QMetaType::QDateTime) return dateTimeCellText(value);
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? QStringLiteral("Sì") : QStringLiteral("No");
    return value;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size())) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const GridColumn& c = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return c.caption;
    if (role == Qt::FontRole && c.headingBold) {
        QFont font;
        font.setBold(true);
        return font;
    }
    return {};
}

void GridModel::rowChanged(int row) {
    if (row < 0 || row >= rowCount()) return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void GridModel::headerChanged(int column) { emit headerDataChanged(Qt::Horizontal, column, column); }

GridWidget::GridWidget(RecordSource& source, std::vector<GridColumn> columns, QWidget* parent)
    : QWidget(parent), source_(source), view_(new QTableView(this)),
      model_(new GridModel(source, std::move(columns), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    filterIndent_ = new QWidget(this);
    bar->addWidget(filterIndent_);
    for (int c = 0; c < columnCount(); ++c) {
        auto* filter = new QLineEdit(this);
        filter->setPlaceholderText(QStringLiteral("filtro"));
        bar->addWidget(filter);
        filters_.push_back(filter);
        filter->setEnabled(!columnDataField(c).isEmpty());  // the flag column has no filter
        connect(filter, &QLineEdit::textEdited, this, [this] {
            if (engine_) guardedCall(*engine_, [this] { engine_->dbg_Elenco_FilterChange(); });
        });
    }
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    recordBar_ = new QLabel(this);
    recordBar_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(recordBar_);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->setDefaultSectionSize(20);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->installEventFilter(this);
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (engine_) guardedCall(*engine_, [this, column] { engine_->dbg_Elenco_HeadClick(column); });
    });
    connect(view_, &QTableView::doubleClicked, this, [this] {
        if (engine_) guardedCall(*engine_, [this] { engine_->dbg_Elenco_DblClick(); });
    });
    connect(view_, &QTableView::clicked, this, [this] {
        if (engine_) guardedCall(*engine_, [this] { engine_->dbg_Elenco_Click(); });
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &GridWidget::currentRowChanged);
    // Keep the filter boxes as wide as their columns.
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { alignFilterBar(); });
    alignFilterBar();
}

void GridWidget::alignFilterBar() {
    filterIndent_->setFixedWidth(view_->verticalHeader()->width() + view_->frameWidth());
    for (std::size_t c = 0; c < filters_.size(); ++c) {
        filters_[c]->setFixedWidth(view_->columnWidth(static_cast<int>(c)));
    }
}

QString GridWidget::recordBarText() const { return recordBar_->text(); }

void GridWidget::setEngine(clsTabella* engine) {
    engine_ = engine;
    model_->setEngine(engine);
}

QString GridWidget::columnCaption(int column) const {
    return model_->columns().at(static_cast<std::size_t>(column)).caption;
}

void GridWidget::setColumnCaption(int column, const QString& caption) {
    model_->columns().at(static_cast<std::size_t>(column)).caption = caption;
    model_->headerChanged(column);
}

QString GridWidget::columnDataField(int column) const {
    return model_->columns().at(static_cast<std::size_t>(column)).dataField;
}

void GridWidget::setColumnHeadingBold(int column, bool bold) {
    model_->columns().at(static_cast<std::size_t>(column)).headingBold = bold;
    model_->headerChanged(column);
}

QString GridWidget::columnFilterText(int column) const {
    return filters_.at(static_cast<std::size_t>(column))->text();
}

void GridWidget::setColumnFilterText(int column, const QString& text) {
    filters_.at(static_cast<std::size_t>(column))->setText(text);
}

void GridWidget::setFontBold(bool bold) {
    QFont font = view_->font();
    font.setBold(bold);
    view_->setFont(font);
}

void GridWidget::setResizing(bool rows, bool columns) {
    view_->verticalHeader()->setSectionResizeMode(rows ? QHeaderView::Interactive : QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionResizeMode(columns ? QHeaderView::Interactive : QHeaderView::Fixed);
    if (stretchColumn_ >= 0) view_->horizontalHeader()->setSectionResizeMode(stretchColumn_, QHeaderView::Stretch);
}

void GridWidget::setStretchColumn(int column) {
    stretchColumn_ = column;
    if (column >= 0) view_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
}

void GridWidget::setRowSelection(bool rows) {
    view_->setSelectionBehavior(rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void GridWidget::setLook(GridLook look) {
    // Focused: black text on cyan (or light grey rows); unfocused: the current row white on
    // black, as the grid shows it when another control has the focus.
    QPalette p = view_->palette();
    QColor highlight(0, 255, 255);
    QColor text(0, 0, 0);
    switch (look) {
    case GridLook::Unfocused:
        highlight = QColor(0, 0, 0);
        text = QColor(255, 255, 255);
        break;
    case GridLook::NoMarquee: highlight = QColor(220, 220, 220); break;
    case GridLook::RowHighlight:
    case GridLook::CellHighlight: break;
    }
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, text);
    }
    view_->setPalette(p);
    if (look == GridLook::CellHighlight) {
        view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    } else {
        view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
}

void GridWidget::setTabStop(bool on) { view_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

void GridWidget::reload() {
    showing_ = true;
    model_->reset();
    showing_ = false;
    alignFilterBar();
    showCurrentRow(source_.absolutePosition());
}

void GridWidget::showCurrentRow(int row) {
    recordBar_->setText(source_.caption);
    showing_ = true;
    const int column = qMax(0, view_->currentIndex().column());
    if (row >= 0 && row < model_->rowCount()) {
        const QModelIndex index = model_->index(row, column);
        view_->setCurrentIndex(index);
        view_->scrollTo(index);
    } else {
        view_->setCurrentIndex(QModelIndex());
    }
    showing_ = false;
}

void GridWidget::currentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (showing_ || !current.isValid()) return;
    if (!engine_) return;
    guardedCall(*engine_, [&] {
        if (current.row() != source_.absolutePosition()) source_.setAbsolutePosition(current.row());
        engine_->dbg_Elenco_RowColChange(previous.row(), previous.isValid() ? previous.column() : 0);
    });
}

bool GridWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize && stretchColumn_ >= 0) {
        // The stretched column takes its width once the view has handled its new size (no
        // section-resized signal follows): its filter box follows it then.
        QTimer::singleShot(0, this, [this] { alignFilterBar(); });
    }
    if (watched == view_ && engine_) {
        if (event->type() == QEvent::FocusIn) engine_->dbg_Elenco_GotFocus();
        if (event->type() == QEvent::FocusOut) engine_->dbg_Elenco_LostFocus();
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (keyPressHook && keyPressHook(key->key())) return true;
            int code = 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) code = 13;
            if (key->key() == Qt::Key_Space) code = 32;
            if (code != 0) {
                guardedCall(*engine_, [&] { engine_->dbg_Elenco_KeyDown(code, 0); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace razudar::tables
