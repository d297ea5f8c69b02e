#include "platform/grid/gridtable.h"

#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

GridTable::GridTable(GridView *view) : QTableView(view), m_view(view)
{
    setMouseTracking(true);
}

bool GridTable::toggleGroupAt(const QPoint &pos)
{
    const QModelIndex index = indexAt(pos);
    GridRowsModel *rows = m_view->rowsModel();
    if (!index.isValid() || rows->rowKind(index.row()) != GridRowsModel::GroupRow)
        return false;
    const int group = rows->groupOf(index.row());
    m_view->setGroupExpanded(group, !m_view->groupExpanded(group));
    return true;
}

void GridTable::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    GridRowsModel *rows = m_view->rowsModel();
    // The expand button sits at the left of a group row.
    if (event->button() == Qt::LeftButton && index.isValid() &&
        rows->rowKind(index.row()) == GridRowsModel::GroupRow && event->position().x() < 22) {
        toggleGroupAt(event->position().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
}

void GridTable::mouseMoveEvent(QMouseEvent *event)
{
    if (m_view->focusFollowsMouse() && event->buttons() == Qt::NoButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && m_view->rowsModel()->rowKind(index.row()) == GridRowsModel::DataRow &&
            index.row() != currentIndex().row())
            setCurrentIndex(index);
    }
    QTableView::mouseMoveEvent(event);
}

void GridTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    if (toggleGroupAt(event->position().toPoint()))
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    const int record = m_view->rowsModel()->sourceRow(index.row());
    if (record >= 0)
        emit m_view->recordDoubleClicked(record, m_view->columnAt(index.column()));
}

void GridTable::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid() && m_view->rowsModel()->rowKind(index.row()) == GridRowsModel::DataRow)
        setCurrentIndex(index);
    emit m_view->contextMenuRequested(event->globalPos(), m_view->focusedRecord());
    event->accept();
}

void GridTable::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    GridRowsModel *rows = m_view->rowsModel();
    if (current.isValid() && rows->rowKind(current.row()) == GridRowsModel::GroupRow) {
        const int group = rows->groupOf(current.row());
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Right) {
            m_view->setGroupExpanded(group, true);
            return;
        }
        if (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Left) {
            m_view->setGroupExpanded(group, false);
            return;
        }
    }
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        m_search.clear();
    QTableView::keyPressEvent(event);
}

void GridTable::keyboardSearch(const QString &search)
{
    if (!m_view->incrementalSearch() || search.isEmpty())
        return;
    if (!m_searchTimer.isValid() || m_searchTimer.elapsed() > QApplication::keyboardInputInterval())
        m_search.clear();
    m_searchTimer.start();
    if (search == QStringLiteral("\b")) {
        m_search.chop(1);
        return;
    }
    m_search += search;

    GridRowsModel *rows = m_view->rowsModel();
    int column = currentIndex().column();
    if (column < 0 || horizontalHeader()->isSectionHidden(column)) {
        const QList<GridColumn *> visible = m_view->visibleColumns();
        if (visible.isEmpty())
            return;
        column = m_view->indexOf(visible.first());
    }
    const QLocale locale;
    const QString wanted = locale.toLower(m_search);
    const int count = rows->rowCount();
    const int start = qMax(0, currentIndex().row());
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        if (rows->rowKind(row) != GridRowsModel::DataRow)
            continue;
        const QString text = rows->index(row, column).data(Qt::DisplayRole).toString();
        if (locale.toLower(text).startsWith(wanted)) {
            setCurrentIndex(rows->index(row, column));
            scrollTo(currentIndex());
            return;
        }
    }
    // Nothing starts with the longer text: keep the typed text as it was before this key.
    m_search.chop(search.size());
}
