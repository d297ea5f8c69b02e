#include "platform/grid/gridheader.h"

#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int buttonWidth = 14;
}

GridHeader::GridHeader(GridView *view) : QHeaderView(Qt::Horizontal, view), m_view(view)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

QRect GridHeader::filterButtonRect(int logical) const
{
    GridColumn *column = m_view->columnAt(logical);
    if (!column || !m_view->headerFilterButtons() || !column->filterable() || isSectionHidden(logical))
        return {};
    const int x = sectionViewportPosition(logical);
    const int w = sectionSize(logical);
    if (w < buttonWidth + 2)
        return {};
    return QRect(x + w - buttonWidth - 2, (height() - 16) / 2, buttonWidth, 16);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    GridColumn *column = m_view->columnAt(logical);
    if (!column)
        return;
    const GridStyle &style = m_view->gridStyle();
    painter->save();
    painter->fillRect(rect, style.headerBackground);
    painter->setPen(style.gridLines.darker(115));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    QRect textRect = rect.adjusted(4, 2, -4, -2);
    const QRect button = filterButtonRect(logical);
    if (!button.isNull())
        textRect.setRight(button.left() - 2);
    GridRowsModel *rows = m_view->rowsModel();
    if (rows->sortColumn() == column) {
        // Sort mark: a small triangle left of the filter button.
        const int cx = textRect.right() - 5;
        const int cy = rect.center().y();
        QPainterPath mark;
        if (rows->sortOrder() == Qt::AscendingOrder) {
            mark.moveTo(cx - 4, cy + 2);
            mark.lineTo(cx + 4, cy + 2);
            mark.lineTo(cx, cy - 3);
        } else {
            mark.moveTo(cx - 4, cy - 2);
            mark.lineTo(cx + 4, cy - 2);
            mark.lineTo(cx, cy + 3);
        }
        painter->fillPath(mark, style.headerText);
        textRect.setRight(textRect.right() - 12);
    }
    painter->setFont(style.headerFont);
    painter->setPen(style.headerText);
    painter->drawText(textRect, int(column->headerAlignment()) | Qt::TextWordWrap, column->headerText());

    if (!button.isNull()) {
        const bool active = rows->filterOf(column).has_value();
        painter->setPen(active ? QColor(30, 80, 160) : style.headerBackground.darker(140));
        painter->setBrush(active ? QColor(120, 170, 230) : style.headerBackground.lighter(104));
        painter->drawRect(button.adjusted(0, 0, -1, -1));
        QPainterPath arrow;
        const QPointF c = QRectF(button).center();
        arrow.moveTo(c.x() - 3.5, c.y() - 1.5);
        arrow.lineTo(c.x() + 3.5, c.y() - 1.5);
        arrow.lineTo(c.x(), c.y() + 2.5);
        painter->fillPath(arrow, active ? QColor(255, 255, 255) : QColor(40, 40, 40));
    }
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logical) const
{
    GridColumn *column = m_view->columnAt(logical);
    if (!column)
        return QHeaderView::sectionSizeFromContents(logical);
    const QFontMetrics fm(m_view->gridStyle().headerFont);
    int w = fm.horizontalAdvance(column->headerText()) + 12;
    if (m_view->headerFilterButtons() && column->filterable())
        w += buttonWidth + 4;
    if (m_view->rowsModel()->sortColumn() == column)
        w += 12;
    return QSize(w, fm.height() + 8);
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressOnButton = false;
    if (event->button() == Qt::LeftButton) {
        const int logical = logicalIndexAt(event->position().toPoint());
        const QRect button = filterButtonRect(logical);
        if (!button.isNull() && button.contains(event->position().toPoint())) {
            m_pressOnButton = true;
            m_view->showFilterPopup(m_view->columnAt(logical), mapToGlobal(button.bottomLeft()));
            event->accept();
            return;
        }
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressOnButton) {
        m_pressOnButton = false;
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

void GridHeader::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_view->columnChooser())
        m_view->showColumnChooser(event->globalPos());
    event->accept();
}
