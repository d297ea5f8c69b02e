#include "platform/grid/gridfooter.h"

#include "platform/grid/gridheader.h"
#include "platform/grid/gridview.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

GridFooter::GridFooter(GridView *view) : QWidget(view), m_view(view)
{
    setObjectName(QStringLiteral("gridfooter"));
}

QSize GridFooter::sizeHint() const
{
    const QFontMetrics fm(m_view->gridStyle().cellFont);
    return QSize(100, fm.height() + 10);
}

QRect GridFooter::cellRect(int logical) const
{
    QTableView *table = m_view->tableView();
    const QHeaderView *header = table->horizontalHeader();
    if (header->isSectionHidden(logical))
        return {};
    const int left =
        table->frameWidth() + (table->verticalHeader()->isVisible() ? table->verticalHeader()->width() : 0);
    return QRect(left + header->sectionViewportPosition(logical), 2, header->sectionSize(logical),
                 height() - 4);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const GridStyle &style = m_view->gridStyle();
    painter.fillRect(rect(), style.footerBackground);
    painter.setFont(style.cellFont);
    const int count = m_view->columnCount();
    QTableView *table = m_view->tableView();
    const int left =
        table->frameWidth() + (table->verticalHeader()->isVisible() ? table->verticalHeader()->width() : 0);
    painter.setClipRect(QRect(left, 0, table->viewport()->width(), height()));
    for (int i = 0; i < count; ++i) {
        GridColumn *column = m_view->columnAt(i);
        if (!column->Visible() || column->footerSummary() == GridSummaryKind::None)
            continue;
        const QRect cell = cellRect(i);
        if (cell.isNull())
            continue;
        painter.setPen(style.gridLines.darker(130));
        painter.setBrush(style.background);
        painter.drawRect(cell.adjusted(1, 0, -2, -1));
        painter.setPen(style.text);
        // Elided like the cells: right-aligned and clipped, "70,00" would read as "0,00".
        const QRect text = cell.adjusted(4, 0, -5, 0);
        painter.drawText(
            text, Qt::AlignRight | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(m_view->footerText(column), Qt::ElideRight, text.width()));
    }
}
