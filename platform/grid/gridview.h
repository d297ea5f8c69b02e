#pragma once

#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridstyle.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class GridFooter;
class GridHeader;
class GridRowsModel;
class GridTable;
class QAbstractItemModel;
class QLabel;
class QPushButton;
class QTableView;
class TClientDataSet;
#include "platform/dataset/datasource.h"
class TField;
class UnboundRowsModel;
class DataSetModel;

// A table view in the shape the windows use: bound to a data set through a data source, or holding
// rows filled by code. One component for every grid: columns with their cell kinds, header filter
// buttons, the quick column chooser, footer and group summaries, grouping, best fit.
class GridView : public QWidget
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);
    ~GridView() override;

    // Bound mode: the rows are the linked data set's; the focused row is its cursor.
    void setDataSource(TDataSource *source);
    TDataSource *dataSource() const { return m_source; }
    TClientDataSet *dataSet() const;
    TField *fieldOf(const GridColumn *column) const;

    // Unbound mode (no data source): rows filled by code, one value per column.
    void setRecordCount(int count);
    int recordCount() const;
    void setValue(int record, const GridColumn *column, const QVariant &value);
    QVariant value(int record, const GridColumn *column) const;

    GridColumn *createColumn(const QString &name, const QString &fieldName = QString());
    int columnCount() const { return int(m_columns.size()); }
    GridColumn *columnAt(int index) const;
    int indexOf(const GridColumn *column) const;
    GridColumn *columnByName(const QString &name) const;
    GridColumn *columnByField(const QString &fieldName) const;
    // Visible columns in the order the user sees them.
    QList<GridColumn *> visibleColumns() const;

    // Look
    const GridStyle &gridStyle() const { return m_style; }
    void setGridStyle(const GridStyle &style);
    int headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height);
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height);
    bool headerVisible() const { return m_headerVisible; }
    void setHeaderVisible(bool visible);
    bool rowIndicatorVisible() const { return m_indicatorVisible; }
    void setRowIndicatorVisible(bool visible, int width = 12);
    bool gridLines() const { return m_gridLines; }
    void setGridLines(bool on);
    bool footerVisible() const { return m_footerVisible; }
    void setFooterVisible(bool visible);
    bool focusRectVisible() const { return m_focusRect; }
    void setFocusRectVisible(bool on);
    void setPixelScrolling(bool on);

    // Behaviour
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }
    bool incrementalSearch() const { return m_incrementalSearch; }
    void setIncrementalSearch(bool on) { m_incrementalSearch = on; }
    bool focusFollowsMouse() const { return m_focusFollowsMouse; }
    void setFocusFollowsMouse(bool on);
    bool headerFilterButtons() const { return m_filterButtons; }
    void setHeaderFilterButtons(bool on);
    bool columnChooser() const { return m_columnChooser; }
    void setColumnChooser(bool on) { m_columnChooser = on; }
    bool sortingEnabled() const { return m_sorting; }
    void setSortingEnabled(bool on) { m_sorting = on; }
    bool columnMoving() const { return m_moving; }
    void setColumnMoving(bool on);
    // The visible columns share the grid's width, keeping their proportions.
    bool columnAutoWidth() const { return m_autoWidth; }
    void setColumnAutoWidth(bool on);
    void fitColumnsToWidth();

    // Updates: nothing repaints or relayouts until the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    void BeginBestFitUpdate();
    void EndBestFitUpdate();
    bool isUpdating() const { return m_updateLock > 0; }
    // Sizes the visible columns to their content (header and every shown row).
    void ApplyBestFit(bool honourSizable = false);
    int bestFitWidth(const GridColumn *column) const;

    // Sorting, filters and groups
    void sortBy(GridColumn *column, Qt::SortOrder order = Qt::AscendingOrder);
    void setFilter(GridColumn *column, const QString &text);
    void clearFilter(GridColumn *column);
    void clearFilters();
    QString filterDescription() const;
    void setGroupColumn(GridColumn *column);
    GridColumn *groupColumn() const;
    void setGroupFooters(bool on);
    int groupCount() const;
    void setGroupExpanded(int group, bool expanded);
    bool groupExpanded(int group) const;
    void collapseAllGroups();
    void expandAllGroups();

    // Rows as shown
    int shownRecordCount() const;
    QVector<int> shownRecords() const;
    int focusedRecord() const;
    void setFocusedRecord(int record);
    QVariant rawValue(const GridColumn *column, int record) const;
    QString displayText(const GridColumn *column, int record) const;
    QString footerText(const GridColumn *column) const;
    QString groupFooterText(int group, const GridColumn *column) const;
    QString groupCaption(int group) const;
    QVector<int> groupRecords(int group) const;

    // Parts, for tests and the export
    QTableView *tableView() const;
    GridHeader *header() const { return m_header; }
    GridFooter *footer() const { return m_footer; }
    GridRowsModel *rowsModel() const { return m_rows; }
    QWidget *filterBar() const { return m_filterBar; }

    // Used by the parts
    void bindColumns();
    void columnChanged(GridColumn *column, bool layout);
    void showFilterPopup(GridColumn *column, const QPoint &globalPos);
    void showColumnChooser(const QPoint &globalPos);
    void headerSectionClicked(int logical);

signals:
    void focusedRecordChanged(int record);
    void recordDoubleClicked(int record, GridColumn *column);
    void contextMenuRequested(const QPoint &globalPos, int record);
    void resized();
    void columnVisibilityChanged(GridColumn *column);
    void filterChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class GridTable;
    void applyColumn(GridColumn *column);
    void applyAllColumns();
    void afterRebuild();
    void updateFilterBar();
    void currentRowChanged(int row);
    void dataSetCursorMoved(int sourceRow);
    void linkDataSetCursor();
    QAbstractItemModel *currentSource() const;

    std::vector<std::unique_ptr<GridColumn>> m_columns;
    QPointer<TDataSource> m_source;
    DataSetModel *m_dataModel = nullptr;
    UnboundRowsModel *m_unbound = nullptr;
    GridRowsModel *m_rows = nullptr;
    GridTable *m_table = nullptr;
    GridHeader *m_header = nullptr;
    GridFooter *m_footer = nullptr;
    QWidget *m_filterBar = nullptr;
    QLabel *m_filterLabel = nullptr;
    QPushButton *m_filterClear = nullptr;
    QMetaObject::Connection m_cursorConnection;
    GridStyle m_style;
    int m_headerHeight = 24;
    int m_rowHeight = 22;
    bool m_headerVisible = true;
    bool m_indicatorVisible = false;
    int m_indicatorWidth = 12;
    bool m_gridLines = true;
    bool m_footerVisible = false;
    bool m_focusRect = true;
    bool m_readOnly = true;
    bool m_incrementalSearch = true;
    bool m_focusFollowsMouse = false;
    bool m_filterButtons = true;
    bool m_columnChooser = true;
    bool m_sorting = true;
    bool m_moving = true;
    bool m_autoWidth = false;
    bool m_fitting = false;
    int m_updateLock = 0;
    bool m_bestFitOnEnd = false;
    bool m_syncingCursor = false;
    int m_lastFocused = -2;
};
