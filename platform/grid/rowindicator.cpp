#include "platform/grid/rowindicator.h"

#include "platform/grid/gridview.h"

#include <QPainter>
#include <QTableView>

RowIndicator::RowIndicator(GridView *view) : QHeaderView(Qt::Vertical, view), m_view(view)
{
    setSectionsClickable(false);
    setHighlightSections(false);
}

void RowIndicator::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    const QColor base = m_view->gridStyle().indicator;
    painter->fillRect(rect, base);
    if (m_view->tableView()->currentIndex().row() == logical)
        painter->fillRect(rect.adjusted(1, rect.height() / 2 - 3, -1, -(rect.height() / 2 - 3)),
                          QColor(255, 255, 255));
}
