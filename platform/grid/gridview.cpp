#include "platform/grid/gridview.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/griddelegate.h"
#include "platform/grid/gridfooter.h"
#include "platform/grid/gridheader.h"
#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridtable.h"
#include "platform/grid/headerfilterpopup.h"
#include "platform/grid/rowindicator.h"
#include "platform/grid/unboundrowsmodel.h"
#include "platform/system/exception.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

GridView::GridView(QWidget *parent) : QWidget(parent)
{
    m_style.headerFont = font();
    m_style.cellFont = font();

    m_unbound = new UnboundRowsModel(this);
    m_rows = new GridRowsModel(this);
    m_table = new GridTable(this);
    m_table->setObjectName(QStringLiteral("gridtable"));
    m_header = new GridHeader(this);
    m_header->setObjectName(QStringLiteral("gridheader"));
    m_table->setHorizontalHeader(m_header);
    auto *indicator = new RowIndicator(this);
    m_table->setVerticalHeader(indicator);
    m_table->setModel(m_rows);
    m_table->setItemDelegate(new GridDelegate(this));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(true);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setTabKeyNavigation(false);
    m_table->setCornerButtonEnabled(false);
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setMinimumSectionSize(1);
    indicator->setDefaultSectionSize(m_rowHeight);
    indicator->setFixedWidth(m_indicatorWidth);
    indicator->setVisible(false);
    m_header->setFixedHeight(m_headerHeight);
    m_header->setSectionsMovable(m_moving);

    m_footer = new GridFooter(this);
    m_footer->setVisible(false);

    m_filterBar = new QWidget(this);
    m_filterBar->setObjectName(QStringLiteral("gridfilterbar"));
    auto *barLayout = new QHBoxLayout(m_filterBar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    m_filterClear = new QPushButton(QStringLiteral("Filtreyi Temizle"), m_filterBar);
    m_filterClear->setObjectName(QStringLiteral("gridfilterclear"));
    m_filterLabel = new QLabel(m_filterBar);
    m_filterLabel->setObjectName(QStringLiteral("gridfiltertext"));
    barLayout->addWidget(m_filterClear);
    barLayout->addWidget(m_filterLabel, 1);
    m_filterBar->setVisible(false);
    connect(m_filterClear, &QPushButton::clicked, this, &GridView::clearFilters);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_filterBar);

    connect(m_rows, &GridRowsModel::rebuilt, this, &GridView::afterRebuild);
    // A posted value changes the sums under it.
    connect(m_rows, &QAbstractItemModel::dataChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    // A column that cannot take the focus hands it back to the one that had it.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentColumnChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                GridColumn *column = columnAt(current.column());
                if (!column || column->focusable())
                    return;
                int target = previous.isValid() && columnAt(previous.column()) &&
                                     columnAt(previous.column())->focusable()
                                 ? previous.column()
                                 : -1;
                for (GridColumn *c : visibleColumns()) {
                    if (target < 0 && c->focusable())
                        target = indexOf(c);
                }
                if (target >= 0)
                    m_table->setCurrentIndex(m_rows->index(current.row(), target));
            });
    connect(m_header, &QHeaderView::sectionClicked, this, &GridView::headerSectionClicked);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        GridColumn *column = columnAt(logical);
        if (column && column->Visible() && size > 0 && size != column->Width()) {
            column->setWidth(size);
        }
        m_footer->update();
    });
    connect(m_header, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));

    m_rows->setSourceModel(m_unbound);
}

GridView::~GridView()
{
    disconnect(m_cursorConnection);
    // The models read the columns while they go.
    m_rows->setSourceModel(nullptr);
    m_table->setModel(nullptr);
}

QTableView *GridView::tableView() const
{
    return m_table;
}

// --- binding ---------------------------------------------------------------------------------------

void GridView::setDataSource(TDataSource *source)
{
    disconnect(m_cursorConnection);
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    DataSetModel *old = m_dataModel;
    m_dataModel = source ? new DataSetModel(source, this) : nullptr;
    m_rows->setSourceModel(m_dataModel ? static_cast<QAbstractItemModel *>(m_dataModel) : m_unbound);
    delete old;
    if (source)
        connect(source, &TDataSource::linkChanged, this, &GridView::linkDataSetCursor);
    linkDataSetCursor();
}

TClientDataSet *GridView::dataSet() const
{
    return m_dataModel ? m_dataModel->dataSet() : nullptr;
}

TField *GridView::fieldOf(const GridColumn *column) const
{
    TClientDataSet *ds = dataSet();
    if (!ds || !column || column->FieldName().isEmpty())
        return nullptr;
    return ds->FindField(column->FieldName());
}

void GridView::linkDataSetCursor()
{
    disconnect(m_cursorConnection);
    if (TClientDataSet *ds = dataSet())
        m_cursorConnection = connect(ds, &TClientDataSet::cursorMoved, this, &GridView::dataSetCursorMoved);
}

void GridView::bindColumns()
{
    TClientDataSet *ds = m_dataModel ? m_dataModel->dataSet() : nullptr;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        GridColumn *column = m_columns[i].get();
        if (m_dataModel)
            column->setModelColumn(ds && !column->FieldName().isEmpty() ? ds->fieldIndex(column->FieldName())
                                                                        : -1);
        else
            column->setModelColumn(column->unboundIndex());
    }
}

void GridView::setRecordCount(int count)
{
    m_unbound->setRecordCount(count);
}

int GridView::recordCount() const
{
    if (m_dataModel)
        return m_dataModel->rowCount();
    return m_unbound->rowCount();
}

void GridView::setValue(int record, const GridColumn *column, const QVariant &value)
{
    if (!column)
        return;
    m_unbound->setValue(record, column->unboundIndex(), value);
}

QVariant GridView::value(int record, const GridColumn *column) const
{
    return column ? m_unbound->value(record, column->unboundIndex()) : QVariant();
}

// --- columns ---------------------------------------------------------------------------------------

GridColumn *GridView::createColumn(const QString &name, const QString &fieldName)
{
    if (!name.isEmpty() && columnByName(name))
        throw Exception(QStringLiteral("A column named %1 already exists").arg(name));
    auto column = std::make_unique<GridColumn>(this, name, fieldName);
    GridColumn *raw = column.get();
    raw->setUnboundIndex(int(m_columns.size()));
    m_columns.push_back(std::move(column));
    m_unbound->setColumnCount(int(m_columns.size()));
    m_unbound->setColumnName(raw->unboundIndex(), fieldName.isEmpty() ? name : fieldName);
    bindColumns();
    m_rows->columnsChanged();
    return raw;
}

GridColumn *GridView::columnAt(int index) const
{
    return index >= 0 && index < int(m_columns.size()) ? m_columns[size_t(index)].get() : nullptr;
}

int GridView::indexOf(const GridColumn *column) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].get() == column)
            return int(i);
    }
    return -1;
}

GridColumn *GridView::columnByName(const QString &name) const
{
    for (const auto &c : m_columns) {
        if (c->name() == name)
            return c.get();
    }
    return nullptr;
}

GridColumn *GridView::columnByField(const QString &fieldName) const
{
    for (const auto &c : m_columns) {
        if (c->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return c.get();
    }
    return nullptr;
}

QList<GridColumn *> GridView::visibleColumns() const
{
    QList<GridColumn *> out;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        GridColumn *column = columnAt(m_header->logicalIndex(visual));
        if (column && column->Visible())
            out << column;
    }
    // Columns the header does not know yet (no rebuild since they were made).
    for (const auto &c : m_columns) {
        if (c->Visible() && !out.contains(c.get()))
            out << c.get();
    }
    return out;
}

void GridView::columnChanged(GridColumn *column, bool layout)
{
    if (layout)
        applyColumn(column);
    m_header->viewport()->update();
    m_table->viewport()->update();
    m_footer->update();
}

void GridView::applyColumn(GridColumn *column)
{
    const int i = indexOf(column);
    if (i < 0 || i >= m_header->count())
        return;
    if (m_header->isSectionHidden(i) == column->Visible()) {
        m_header->setSectionHidden(i, !column->Visible());
        emit columnVisibilityChanged(column);
        fitColumnsToWidth();
    }
    m_header->setSectionResizeMode(i, column->sizable() ? QHeaderView::Interactive : QHeaderView::Fixed);
    if (column->Visible() && m_header->sectionSize(i) != column->Width())
        m_header->resizeSection(i, column->Width());
}

void GridView::applyAllColumns()
{
    for (const auto &c : m_columns)
        applyColumn(c.get());
}

// --- look --------------------------------------------------------------------------------------------

void GridView::setGridStyle(const GridStyle &style)
{
    m_style = style;
    m_table->setFont(style.cellFont);
    m_header->setFont(style.headerFont);
    QPalette palette = m_table->palette();
    palette.setColor(QPalette::Base, style.background);
    m_table->setPalette(palette);
    m_footer->setFixedHeight(m_footer->sizeHint().height());
    update();
    m_table->viewport()->update();
    m_header->viewport()->update();
}

void GridView::setHeaderHeight(int height)
{
    m_headerHeight = height;
    m_header->setFixedHeight(height);
}

void GridView::setRowHeight(int height)
{
    m_rowHeight = height;
    m_table->verticalHeader()->setDefaultSectionSize(height);
}

void GridView::setHeaderVisible(bool visible)
{
    m_headerVisible = visible;
    m_header->setVisible(visible);
}

void GridView::setRowIndicatorVisible(bool visible, int width)
{
    m_indicatorVisible = visible;
    m_indicatorWidth = width;
    m_table->verticalHeader()->setFixedWidth(width);
    m_table->verticalHeader()->setVisible(visible);
}

void GridView::setGridLines(bool on)
{
    m_gridLines = on;
    m_table->viewport()->update();
}

void GridView::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setFixedHeight(m_footer->sizeHint().height());
    m_footer->setVisible(visible);
}

void GridView::setFocusRectVisible(bool on)
{
    m_focusRect = on;
    m_table->viewport()->update();
}

void GridView::setPixelScrolling(bool on)
{
    m_table->setVerticalScrollMode(on ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
}

void GridView::setFocusFollowsMouse(bool on)
{
    m_focusFollowsMouse = on;
}

void GridView::setHeaderFilterButtons(bool on)
{
    m_filterButtons = on;
    m_header->viewport()->update();
}

void GridView::setColumnMoving(bool on)
{
    m_moving = on;
    m_header->setSectionsMovable(on);
}

// --- updates and best fit ------------------------------------------------------------------------------

void GridView::BeginUpdate()
{
    if (m_updateLock++ == 0) {
        m_table->setUpdatesEnabled(false);
        m_rows->suspend();
    }
}

void GridView::EndUpdate()
{
    if (m_updateLock == 0)
        return;
    if (--m_updateLock == 0) {
        m_rows->resume();
        m_table->setUpdatesEnabled(true);
        m_table->viewport()->update();
        m_footer->update();
    }
}

void GridView::BeginBestFitUpdate()
{
    BeginUpdate();
}

void GridView::EndBestFitUpdate()
{
    // Rows first (a pending load or filter), then measure them.
    if (m_updateLock == 1)
        m_rows->resume(), m_rows->suspend();
    ApplyBestFit(false);
    EndUpdate();
}

int GridView::bestFitWidth(const GridColumn *column) const
{
    const QFontMetrics header(m_style.headerFont);
    int width = header.horizontalAdvance(column->headerText()) + 12;
    if (m_filterButtons && column->filterable())
        width += 18;
    if (m_rows->sortColumn() == column)
        width += 12;
    const QFontMetrics cell(column->font().value_or(m_style.cellFont));
    const QVector<int> records = m_rows->shownSourceRows();
    switch (column->kind()) {
    case GridCellKind::Text:
    case GridCellKind::Label: {
        // Long loads are measured on their first 2,000 shown rows: the width operations run on
        // every resize, and measuring 50,000 rows takes more than half a second.
        const int limit = qMin(int(records.size()), 2000);
        for (int i = 0; i < limit; ++i)
            width = qMax(width, cell.horizontalAdvance(m_rows->displayText(column, records[i])) + 8);
        break;
    }
    case GridCellKind::IconByValue:
        for (const auto &item : column->iconValues())
            width = qMax(width,
                         item.icon.deviceIndependentSize().toSize().width() + 8 +
                             (column->showDescriptions() ? cell.horizontalAdvance(item.description) + 4 : 0));
        break;
    case GridCellKind::CheckBox:
        width = qMax(width, 24);
        break;
    case GridCellKind::Picture:
    case GridCellKind::CustomDraw:
        width = qMax(width, column->Width());
        break;
    }
    return qMax(width, column->MinWidth());
}

void GridView::ApplyBestFit(bool honourSizable)
{
    for (GridColumn *column : visibleColumns()) {
        if (honourSizable && !column->sizable())
            continue;
        column->setWidth(bestFitWidth(column));
    }
}

// --- sorting, filters, groups ----------------------------------------------------------------------

void GridView::headerSectionClicked(int logical)
{
    GridColumn *column = columnAt(logical);
    if (!column || !m_sorting || !column->sortable())
        return;
    const Qt::SortOrder order = m_rows->sortColumn() == column && m_rows->sortOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    sortBy(column, order);
}

void GridView::sortBy(GridColumn *column, Qt::SortOrder order)
{
    m_rows->sortBy(column, order);
    m_header->viewport()->update();
}

void GridView::setFilter(GridColumn *column, const QString &text)
{
    m_rows->setFilter(column, text);
    updateFilterBar();
    emit filterChanged();
}

void GridView::clearFilter(GridColumn *column)
{
    m_rows->clearFilter(column);
    updateFilterBar();
    emit filterChanged();
}

void GridView::clearFilters()
{
    m_rows->clearFilters();
    updateFilterBar();
    emit filterChanged();
}

QString GridView::filterDescription() const
{
    QStringList parts;
    for (GridColumn *column : visibleColumns() + m_rows->filteredColumns()) {
        const auto value = m_rows->filterOf(column);
        if (!value)
            continue;
        const QString part = column->headerText() + QStringLiteral(" = ") + *value;
        if (!parts.contains(part))
            parts << part;
    }
    return parts.join(QStringLiteral(" VE "));
}

void GridView::updateFilterBar()
{
    m_filterLabel->setText(filterDescription());
    m_filterBar->setVisible(m_rows->hasFilters());
    m_header->viewport()->update();
}

void GridView::showFilterPopup(GridColumn *column, const QPoint &globalPos)
{
    auto *popup = new HeaderFilterPopup(this, column);
    popup->move(globalPos);
    popup->show();
    popup->list()->setFocus();
}

void GridView::showColumnChooser(const QPoint &globalPos)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("gridcolumnchooser"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto &c : m_columns) {
        GridColumn *column = c.get();
        if (!column->VisibleForCustomization())
            continue;
        QAction *action = menu->addAction(column->headerText());
        action->setCheckable(true);
        action->setChecked(column->Visible());
        connect(action, &QAction::toggled, this, [column](bool on) { column->setVisible(on); });
    }
    menu->popup(globalPos);
}

void GridView::setGroupColumn(GridColumn *column)
{
    m_rows->setGroupColumn(column);
}

GridColumn *GridView::groupColumn() const
{
    return m_rows->groupColumn();
}

void GridView::setGroupFooters(bool on)
{
    m_rows->setGroupFooters(on);
}

int GridView::groupCount() const
{
    return int(m_rows->groups().size());
}

void GridView::setGroupExpanded(int group, bool expanded)
{
    m_rows->setGroupExpanded(group, expanded);
}

bool GridView::groupExpanded(int group) const
{
    const auto &groups = m_rows->groups();
    return group >= 0 && group < groups.size() && groups[group].expanded;
}

void GridView::collapseAllGroups()
{
    m_rows->setAllGroupsExpanded(false);
}

void GridView::expandAllGroups()
{
    m_rows->setAllGroupsExpanded(true);
}

QString GridView::groupCaption(int group) const
{
    return m_rows->groupCaption(group);
}

QVector<int> GridView::groupRecords(int group) const
{
    const auto &groups = m_rows->groups();
    return group >= 0 && group < groups.size() ? groups[group].rows : QVector<int>();
}

QString GridView::groupFooterText(int group, const GridColumn *column) const
{
    if (column->groupSummary() == GridSummaryKind::None)
        return {};
    return m_rows->summaryText(column, column->groupSummary(), groupRecords(group));
}

// --- rows ----------------------------------------------------------------------------------------------

int GridView::shownRecordCount() const
{
    return m_rows->shownCount();
}

QVector<int> GridView::shownRecords() const
{
    return m_rows->shownSourceRows();
}

QVariant GridView::rawValue(const GridColumn *column, int record) const
{
    return m_rows->rawValue(column, record);
}

QString GridView::displayText(const GridColumn *column, int record) const
{
    return m_rows->displayText(column, record);
}

QString GridView::footerText(const GridColumn *column) const
{
    if (column->footerSummary() == GridSummaryKind::None)
        return {};
    return m_rows->summaryText(column, column->footerSummary(), m_rows->shownSourceRows());
}

int GridView::focusedRecord() const
{
    return m_rows->sourceRow(m_table->currentIndex().row());
}

void GridView::setFocusedRecord(int record)
{
    const int row = m_rows->rowOfSource(record);
    if (row < 0)
        return;
    int column = m_table->currentIndex().column();
    if (column < 0 || m_header->isSectionHidden(column)) {
        const QList<GridColumn *> visible = visibleColumns();
        column = visible.isEmpty() ? 0 : indexOf(visible.first());
    }
    m_table->setCurrentIndex(m_rows->index(row, column));
    m_table->scrollTo(m_table->currentIndex());
}

void GridView::currentRowChanged(int row)
{
    const int record = m_rows->sourceRow(row);
    if (record >= 0 && !m_syncingCursor) {
        TClientDataSet *ds = dataSet();
        if (ds && ds->Active() && ds->currentRow() != record && record < ds->RecordCount()) {
            m_syncingCursor = true;
            try {
                ds->setRecNo(record + 1);
            } catch (const Exception &) {
                // A data set that cannot move now keeps its cursor; the grid still shows the focus.
            }
            m_syncingCursor = false;
        }
    }
    m_table->verticalHeader()->viewport()->update();
    if (record != m_lastFocused) {
        m_lastFocused = record;
        emit focusedRecordChanged(record);
    }
}

void GridView::dataSetCursorMoved(int sourceRow)
{
    if (m_syncingCursor)
        return;
    m_syncingCursor = true;
    setFocusedRecord(sourceRow);
    m_syncingCursor = false;
}

void GridView::afterRebuild()
{
    m_table->clearSpans();
    const int count = m_rows->rowCount();
    if (m_rows->groupColumn()) {
        for (int r = 0; r < count; ++r) {
            if (m_rows->rowKind(r) == GridRowsModel::GroupRow)
                m_table->setSpan(r, 0, 1, columnCount());
        }
    }
    applyAllColumns();
    // The focus goes back to the data set's current row, or the first row.
    int record = -1;
    TClientDataSet *ds = dataSet();
    if (ds && ds->Active() && ds->currentRow() >= 0)
        record = ds->currentRow();
    if (record < 0 || m_rows->rowOfSource(record) < 0) {
        const QVector<int> shown = m_rows->shownSourceRows();
        record = -1;
        for (int r = 0; r < count && record < 0; ++r)
            record = m_rows->sourceRow(r);
        if (record < 0 && !shown.isEmpty() && !m_rows->groupColumn())
            record = shown.first();
    }
    if (record >= 0) {
        m_syncingCursor = true;
        setFocusedRecord(record);
        m_syncingCursor = false;
        // The data set follows a focus that a filter or collapse moved.
        currentRowChanged(m_table->currentIndex().row());
    } else if (m_lastFocused != -1) {
        m_lastFocused = -1;
        emit focusedRecordChanged(-1);
    }
    m_footer->update();
    updateFilterBar();
}

void GridView::setColumnAutoWidth(bool on)
{
    m_autoWidth = on;
    m_table->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    fitColumnsToWidth();
}

void GridView::fitColumnsToWidth()
{
    if (!m_autoWidth || m_fitting)
        return;
    const QList<GridColumn *> visible = visibleColumns();
    int total = 0;
    for (GridColumn *column : visible)
        total += column->Width();
    int available = width() - 2 * m_table->frameWidth() - (m_indicatorVisible ? m_indicatorWidth : 0);
    if (m_table->verticalScrollBar()->isVisible())
        available -= m_table->verticalScrollBar()->width();
    if (visible.isEmpty() || total <= 0 || available <= 0)
        return;
    m_fitting = true;
    int used = 0;
    for (int i = 0; i < visible.size(); ++i) {
        GridColumn *column = visible[i];
        const int share =
            i + 1 == visible.size() ? available - used : int(qint64(column->Width()) * available / total);
        column->setWidth(share);
        used += column->Width();
    }
    m_fitting = false;
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitColumnsToWidth();
    emit resized();
}
