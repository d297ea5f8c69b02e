#pragma once

#include "platform/grid/gridcolumn.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QVector>
#include <optional>

class GridColumn;
class GridView;

// What the grid shows: the source rows that pass the header filters, sorted, optionally grouped by
// one column with a caption row and a footer row per group. Its columns are the view's columns.
class GridRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum RowKind { DataRow, GroupRow, GroupFooterRow };
    static constexpr int RowKindRole = Qt::UserRole + 20;
    static constexpr int SourceRowRole = Qt::UserRole + 21;
    static constexpr int GroupRole = Qt::UserRole + 22;
    static constexpr int FilterTextRole = Qt::UserRole + 23;

    struct Group
    {
        QString key;
        QVariant value;
        QVector<int> rows;
        bool expanded = true;
    };

    explicit GridRowsModel(GridView *view);

    void setSourceModel(QAbstractItemModel *source);
    QAbstractItemModel *sourceModel() const { return m_source; }
    // Re-reads the view's columns (their number or bindings changed).
    void columnsChanged();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Values of a column as the filter lists and group captions see them.
    QString filterText(const GridColumn *column, int sourceRow) const;
    QVariant rawValue(const GridColumn *column, int sourceRow) const;
    QString displayText(const GridColumn *column, int sourceRow) const;
    QVariantMap rowValues(int sourceRow) const;

    // Header filters: one chosen value text per column, all of them must match.
    void setFilter(GridColumn *column, const QString &text);
    void clearFilter(GridColumn *column);
    void clearFilters();
    bool hasFilters() const { return !m_filters.isEmpty(); }
    std::optional<QString> filterOf(const GridColumn *column) const;
    QList<GridColumn *> filteredColumns() const;
    // The distinct values offered by a column's filter list, over the rows the other filters pass.
    QStringList filterValues(GridColumn *column) const;

    void sortBy(GridColumn *column, Qt::SortOrder order);
    GridColumn *sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    void setGroupColumn(GridColumn *column);
    GridColumn *groupColumn() const { return m_groupColumn; }
    void setGroupFooters(bool on);
    bool groupFooters() const { return m_groupFooters; }
    const QVector<Group> &groups() const { return m_groups; }
    void setGroupExpanded(int group, bool expanded);
    void setAllGroupsExpanded(bool expanded);

    RowKind rowKind(int row) const;
    int sourceRow(int row) const;
    int groupOf(int row) const;
    int rowOfSource(int sourceRow) const;
    // Every row the filters pass, in the order shown with all groups expanded.
    QVector<int> shownSourceRows() const;
    int shownCount() const { return int(m_filtered.size()); }

    QVariant summary(const GridColumn *column, GridSummaryKind kind, const QVector<int> &sourceRows) const;
    QString summaryText(const GridColumn *column, GridSummaryKind kind, const QVector<int> &sourceRows) const;
    QString groupCaption(int group) const;

    // Suspends rebuilding until the matching resume; resume rebuilds once when something changed.
    void suspend();
    void resume();
    void rebuild();

signals:
    void rebuilt();

private:
    struct DisplayRow
    {
        RowKind kind;
        int index; // source row, or group number
        int group;
    };

    void sourceReset();
    void sourceDataChanged(const QModelIndex &from, const QModelIndex &to);
    void requestRebuild();
    QVector<int> filterRows(const GridColumn *except) const;
    void sortRows(QVector<int> &rows) const;

    GridView *m_view;
    QPointer<QAbstractItemModel> m_source;
    QList<QMetaObject::Connection> m_connections;
    QMap<GridColumn *, QString> m_filters;
    GridColumn *m_sortColumn = nullptr;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    GridColumn *m_groupColumn = nullptr;
    bool m_groupFooters = true;
    QSet<QString> m_collapsed;
    QVector<int> m_filtered;
    QVector<Group> m_groups;
    QVector<DisplayRow> m_rows;
    QVector<int> m_sourceToRow;
    int m_columns = 0;
    int m_suspend = 0;
    bool m_dirty = false;
};
