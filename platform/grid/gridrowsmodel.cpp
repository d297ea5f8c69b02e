#include "platform/grid/gridrowsmodel.h"

#include "platform/dataset/datasetmodel.h"
#include "platform/dataset/field.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridview.h"
#include "platform/system/formatfloat.h"

#include <QCollator>
#include <algorithm>

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
    case QMetaType::Short:
        return true;
    default:
        return false;
    }
}

} // namespace

GridRowsModel::GridRowsModel(GridView *view) : QAbstractTableModel(view), m_view(view) {}

void GridRowsModel::setSourceModel(QAbstractItemModel *source)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &QAbstractItemModel::modelReset, this, &GridRowsModel::sourceReset);
        m_connections << connect(source, &QAbstractItemModel::rowsInserted, this,
                                 &GridRowsModel::requestRebuild);
        m_connections << connect(source, &QAbstractItemModel::rowsRemoved, this,
                                 &GridRowsModel::requestRebuild);
        m_connections << connect(source, &QAbstractItemModel::dataChanged, this,
                                 &GridRowsModel::sourceDataChanged);
    }
    sourceReset();
}

void GridRowsModel::columnsChanged()
{
    requestRebuild();
}

void GridRowsModel::sourceReset()
{
    // A new load: filters stay (the user chose them), sorting and grouping stay.
    m_view->bindColumns();
    requestRebuild();
}

void GridRowsModel::sourceDataChanged(const QModelIndex &from, const QModelIndex &to)
{
    bool affectsOrder = false;
    for (int c = from.column(); c <= to.column(); ++c) {
        for (int i = 0; i < m_view->columnCount(); ++i) {
            GridColumn *col = m_view->columnAt(i);
            if (col->modelColumn() != c)
                continue;
            if (col == m_sortColumn || col == m_groupColumn || m_filters.contains(col))
                affectsOrder = true;
        }
    }
    if (affectsOrder) {
        requestRebuild();
        return;
    }
    // Only the cells (and the summaries, which the footer reads anew) change.
    for (int r = from.row(); r <= to.row(); ++r) {
        const int row = rowOfSource(r);
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, m_columns - 1));
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].kind == GroupFooterRow)
            emit dataChanged(index(i, 0), index(i, m_columns - 1));
    }
}

void GridRowsModel::requestRebuild()
{
    if (m_suspend > 0) {
        m_dirty = true;
        return;
    }
    rebuild();
}

void GridRowsModel::suspend()
{
    ++m_suspend;
}

void GridRowsModel::resume()
{
    if (m_suspend == 0 || --m_suspend > 0)
        return;
    if (m_dirty)
        rebuild();
}

int GridRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GridRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant GridRowsModel::rawValue(const GridColumn *column, int sourceRow) const
{
    if (!m_source || column->modelColumn() < 0)
        return {};
    return m_source->index(sourceRow, column->modelColumn()).data(DataSetModel::RawValueRole);
}

QString GridRowsModel::displayText(const GridColumn *column, int sourceRow) const
{
    if (!m_source || column->modelColumn() < 0)
        return {};
    return m_source->index(sourceRow, column->modelColumn()).data(Qt::DisplayRole).toString();
}

QString GridRowsModel::filterText(const GridColumn *column, int sourceRow) const
{
    if (column->kind() == GridCellKind::IconByValue) {
        const GridColumn::IconValue *icon = column->iconFor(rawValue(column, sourceRow));
        if (icon && !icon->description.isEmpty())
            return icon->description;
    }
    return displayText(column, sourceRow);
}

QVariantMap GridRowsModel::rowValues(int sourceRow) const
{
    QVariantMap values;
    if (!m_source)
        return values;
    const int n = m_source->columnCount();
    for (int c = 0; c < n; ++c) {
        const QString name = m_source->headerData(c, Qt::Horizontal, DataSetModel::FieldNameRole).toString();
        values.insert(name, m_source->index(sourceRow, c).data(DataSetModel::RawValueRole));
    }
    return values;
}

QVariant GridRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const DisplayRow &row = m_rows[index.row()];
    if (role == RowKindRole)
        return int(row.kind);
    if (role == GroupRole)
        return row.group;
    if (role == SourceRowRole)
        return row.kind == DataRow ? row.index : -1;
    GridColumn *column = m_view->columnAt(index.column());
    if (!column)
        return {};
    if (row.kind == GroupRow) {
        if (role == Qt::DisplayRole)
            return groupCaption(row.index);
        return {};
    }
    if (row.kind == GroupFooterRow) {
        if (role == Qt::DisplayRole && column->groupSummary() != GridSummaryKind::None)
            return summaryText(column, column->groupSummary(), m_groups[row.index].rows);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return displayText(column, row.index);
    case DataSetModel::RawValueRole:
    case Qt::EditRole:
        return rawValue(column, row.index);
    case FilterTextRole:
        return filterText(column, row.index);
    case Qt::TextAlignmentRole:
        if (column->hasExplicitAlignment() || !m_source || column->modelColumn() < 0)
            return int(column->alignment());
        return m_source->index(row.index, column->modelColumn()).data(Qt::TextAlignmentRole);
    default:
        return {};
    }
}

QVariant GridRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        GridColumn *column = m_view->columnAt(section);
        if (column && role == Qt::DisplayRole)
            return column->headerText();
        if (column && role == Qt::TextAlignmentRole)
            return int(column->headerAlignment());
        return {};
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridRowsModel::setFilter(GridColumn *column, const QString &text)
{
    m_filters.insert(column, text);
    requestRebuild();
}

void GridRowsModel::clearFilter(GridColumn *column)
{
    if (m_filters.remove(column))
        requestRebuild();
}

void GridRowsModel::clearFilters()
{
    if (m_filters.isEmpty())
        return;
    m_filters.clear();
    requestRebuild();
}

std::optional<QString> GridRowsModel::filterOf(const GridColumn *column) const
{
    const auto it = m_filters.constFind(const_cast<GridColumn *>(column));
    if (it == m_filters.constEnd())
        return std::nullopt;
    return it.value();
}

QList<GridColumn *> GridRowsModel::filteredColumns() const
{
    return m_filters.keys();
}

QVector<int> GridRowsModel::filterRows(const GridColumn *except) const
{
    const int n = m_source ? m_source->rowCount() : 0;
    QVector<int> rows;
    rows.reserve(n);
    if (m_filters.isEmpty() ||
        (m_filters.size() == 1 && m_filters.contains(const_cast<GridColumn *>(except)))) {
        for (int r = 0; r < n; ++r)
            rows.append(r);
        return rows;
    }
    for (int r = 0; r < n; ++r) {
        bool pass = true;
        for (auto it = m_filters.constBegin(); pass && it != m_filters.constEnd(); ++it) {
            if (it.key() != except && filterText(it.key(), r) != it.value())
                pass = false;
        }
        if (pass)
            rows.append(r);
    }
    return rows;
}

QStringList GridRowsModel::filterValues(GridColumn *column) const
{
    const QVector<int> rows = filterRows(column);
    QSet<QString> seen;
    QVector<QPair<QVariant, QString>> values;
    for (int r : rows) {
        const QString text = filterText(column, r);
        if (seen.contains(text))
            continue;
        seen.insert(text);
        values.append({rawValue(column, r), text});
    }
    QCollator collator(QLocale{});
    std::stable_sort(values.begin(), values.end(), [&](const auto &a, const auto &b) {
        if (isNumber(a.first) && isNumber(b.first))
            return a.first.toDouble() < b.first.toDouble();
        if (a.first.metaType() == b.first.metaType() && a.first.metaType().id() != QMetaType::QString &&
            a.first.isValid())
            return QVariant::compare(a.first, b.first) == QPartialOrdering::Less;
        return collator.compare(a.second, b.second) < 0;
    });
    QStringList out;
    out.reserve(values.size());
    for (const auto &v : values)
        out << v.second;
    return out;
}

void GridRowsModel::sortBy(GridColumn *column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    requestRebuild();
}

void GridRowsModel::sortRows(QVector<int> &rows) const
{
    if (!m_sortColumn || !m_source)
        return;
    // Keys are taken once; strings compare in the user's language.
    const int n = m_source->rowCount();
    std::vector<double> numbers;
    std::vector<QCollatorSortKey> texts;
    std::vector<char> nulls(size_t(n), 1);
    bool numeric = true;
    QVector<QVariant> raw(n);
    for (int r : rows) {
        raw[r] = rawValue(m_sortColumn, r);
        if (raw[r].isValid() && !isNumber(raw[r]))
            numeric = false;
    }
    if (numeric) {
        numbers.assign(size_t(n), 0.0);
        for (int r : rows) {
            nulls[size_t(r)] = !raw[r].isValid();
            numbers[size_t(r)] = raw[r].toDouble();
        }
    } else {
        const bool dates = std::all_of(rows.cbegin(), rows.cend(), [&](int r) {
            const int id = raw[r].metaType().id();
            return !raw[r].isValid() || id == QMetaType::QDate || id == QMetaType::QDateTime ||
                   id == QMetaType::QTime;
        });
        if (dates) {
            numeric = true;
            numbers.assign(size_t(n), 0.0);
            for (int r : rows) {
                nulls[size_t(r)] = !raw[r].isValid();
                const QVariant &v = raw[r];
                if (v.metaType().id() == QMetaType::QDate)
                    numbers[size_t(r)] = double(v.toDate().toJulianDay()) * 86400000.0;
                else if (v.metaType().id() == QMetaType::QTime)
                    numbers[size_t(r)] = v.toTime().msecsSinceStartOfDay();
                else if (v.isValid())
                    numbers[size_t(r)] = double(v.toDateTime().date().toJulianDay()) * 86400000.0 +
                                         v.toDateTime().time().msecsSinceStartOfDay();
            }
        } else {
            QCollator collator(QLocale{});
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            texts.reserve(size_t(n));
            const QCollatorSortKey empty = collator.sortKey(QString());
            for (int r = 0; r < n; ++r)
                texts.push_back(empty);
            for (int r : rows) {
                nulls[size_t(r)] = !raw[r].isValid();
                texts[size_t(r)] = collator.sortKey(displayText(m_sortColumn, r));
            }
        }
    }
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    auto less = [&](int a, int b) {
        if (nulls[size_t(a)] != nulls[size_t(b)])
            return bool(nulls[size_t(a)]);
        if (nulls[size_t(a)])
            return false;
        if (numeric)
            return numbers[size_t(a)] < numbers[size_t(b)];
        return texts[size_t(a)].compare(texts[size_t(b)]) < 0;
    };
    if (ascending)
        std::stable_sort(rows.begin(), rows.end(), less);
    else
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return less(b, a); });
}

void GridRowsModel::setGroupColumn(GridColumn *column)
{
    m_groupColumn = column;
    m_collapsed.clear();
    requestRebuild();
}

void GridRowsModel::setGroupFooters(bool on)
{
    m_groupFooters = on;
    requestRebuild();
}

void GridRowsModel::setGroupExpanded(int group, bool expanded)
{
    if (group < 0 || group >= m_groups.size() || m_groups[group].expanded == expanded)
        return;
    if (expanded)
        m_collapsed.remove(m_groups[group].key);
    else
        m_collapsed.insert(m_groups[group].key);
    requestRebuild();
}

void GridRowsModel::setAllGroupsExpanded(bool expanded)
{
    for (const Group &g : std::as_const(m_groups)) {
        if (expanded)
            m_collapsed.remove(g.key);
        else
            m_collapsed.insert(g.key);
    }
    requestRebuild();
}

void GridRowsModel::rebuild()
{
    m_dirty = false;
    beginResetModel();
    m_columns = m_view->columnCount();
    m_filtered = filterRows(nullptr);
    sortRows(m_filtered);
    m_groups.clear();
    m_rows.clear();
    m_rows.reserve(m_filtered.size());
    if (m_groupColumn && m_groupColumn->modelColumn() >= 0) {
        QHash<QString, int> byKey;
        for (int r : std::as_const(m_filtered)) {
            const QString key = filterText(m_groupColumn, r);
            auto it = byKey.find(key);
            if (it == byKey.end()) {
                it = byKey.insert(key, int(m_groups.size()));
                Group g;
                g.key = key;
                g.value = rawValue(m_groupColumn, r);
                m_groups.append(g);
            }
            m_groups[it.value()].rows.append(r);
        }
        // Groups always ascend by their value, whatever the sort inside them.
        QCollator collator(QLocale{});
        std::stable_sort(m_groups.begin(), m_groups.end(), [&](const Group &a, const Group &b) {
            if (a.value.isValid() != b.value.isValid())
                return !a.value.isValid();
            if (isNumber(a.value) && isNumber(b.value))
                return a.value.toDouble() < b.value.toDouble();
            if (a.value.metaType() == b.value.metaType() && a.value.metaType().id() != QMetaType::QString)
                return QVariant::compare(a.value, b.value) == QPartialOrdering::Less;
            return collator.compare(a.key, b.key) < 0;
        });
        for (int g = 0; g < m_groups.size(); ++g) {
            Group &group = m_groups[g];
            group.expanded = !m_collapsed.contains(group.key);
            m_rows.append({GroupRow, g, g});
            if (group.expanded) {
                for (int r : std::as_const(group.rows))
                    m_rows.append({DataRow, r, g});
            }
            if (m_groupFooters)
                m_rows.append({GroupFooterRow, g, g});
        }
    } else {
        for (int r : std::as_const(m_filtered))
            m_rows.append({DataRow, r, -1});
    }
    m_sourceToRow.fill(-1, m_source ? m_source->rowCount() : 0);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].kind == DataRow)
            m_sourceToRow[m_rows[i].index] = i;
    }
    endResetModel();
    emit rebuilt();
}

GridRowsModel::RowKind GridRowsModel::rowKind(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].kind : DataRow;
}

int GridRowsModel::sourceRow(int row) const
{
    if (row < 0 || row >= m_rows.size() || m_rows[row].kind != DataRow)
        return -1;
    return m_rows[row].index;
}

int GridRowsModel::groupOf(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].group : -1;
}

int GridRowsModel::rowOfSource(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < m_sourceToRow.size() ? m_sourceToRow[sourceRow] : -1;
}

QVector<int> GridRowsModel::shownSourceRows() const
{
    if (!m_groupColumn || m_groups.isEmpty())
        return m_filtered;
    QVector<int> rows;
    rows.reserve(m_filtered.size());
    for (const Group &g : m_groups)
        rows += g.rows;
    return rows;
}

QVariant GridRowsModel::summary(const GridColumn *column, GridSummaryKind kind,
                                const QVector<int> &sourceRows) const
{
    if (kind == GridSummaryKind::Count)
        return int(sourceRows.size());
    if (kind == GridSummaryKind::Sum) {
        double sum = 0;
        for (int r : sourceRows)
            sum += rawValue(column, r).toDouble();
        return sum;
    }
    return {};
}

QString GridRowsModel::summaryText(const GridColumn *column, GridSummaryKind kind,
                                   const QVector<int> &sourceRows) const
{
    const QVariant value = summary(column, kind, sourceRows);
    if (!value.isValid())
        return {};
    if (kind == GridSummaryKind::Count)
        return QString::number(value.toInt());
    const TField *field = m_view->fieldOf(column);
    if (field && !field->DisplayFormat().isEmpty())
        return FormatFloat(field->DisplayFormat(), value.toDouble());
    return FloatToStr(value.toDouble());
}

QString GridRowsModel::groupCaption(int group) const
{
    if (group < 0 || group >= m_groups.size() || !m_groupColumn)
        return {};
    return m_groupColumn->headerText() + QStringLiteral(" : ") + m_groups[group].key;
}
