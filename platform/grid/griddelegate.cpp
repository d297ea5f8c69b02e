#include "platform/grid/griddelegate.h"

#include "platform/dataset/datasetmodel.h"
#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"

#include <QApplication>
#include <QPainter>
#include <QTableView>

GridDelegate::GridDelegate(GridView *view) : QStyledItemDelegate(view), m_view(view), m_pictures(64) {}

QImage GridDelegate::picture(const QByteArray &bytes) const
{
    if (bytes.isEmpty())
        return {};
    const size_t key = qHash(bytes);
    if (QImage *cached = m_pictures.object(key))
        return *cached;
    QImage image = QImage::fromData(bytes);
    m_pictures.insert(key, new QImage(image));
    return image;
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(m_view->columnAt(index.column()) ? m_view->columnAt(index.column())->Width() : 64,
                 m_view->rowHeight() > 0 ? m_view->rowHeight()
                                         : QStyledItemDelegate::sizeHint(option, index).height());
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const GridStyle &style = m_view->gridStyle();
    GridRowsModel *rows = m_view->rowsModel();
    GridColumn *column = m_view->columnAt(index.column());
    if (!column)
        return;
    const QRect rect = option.rect;
    painter->save();
    const int kind = index.data(GridRowsModel::RowKindRole).toInt();
    const bool selected = option.state & QStyle::State_Selected;

    if (kind == GridRowsModel::GroupRow) {
        painter->fillRect(rect, selected ? style.selectionBackground : style.groupBackground);
        const int group = index.data(GridRowsModel::GroupRole).toInt();
        const QRect box(rect.left() + 5, rect.center().y() - 5, 11, 11);
        painter->setPen(style.text);
        painter->setBrush(style.background);
        painter->drawRect(box);
        painter->drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
        if (!m_view->groupExpanded(group))
            painter->drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
        QFont font = style.cellFont;
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(selected ? style.selectionText : style.text);
        painter->drawText(rect.adjusted(24, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->setPen(style.gridLines);
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
        return;
    }

    if (kind == GridRowsModel::GroupFooterRow) {
        painter->fillRect(rect, style.footerBackground);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            painter->setPen(style.gridLines.darker(130));
            painter->setBrush(style.background);
            painter->drawRect(rect.adjusted(1, 2, -2, -3));
            painter->setFont(style.cellFont);
            painter->setPen(style.text);
            painter->drawText(rect.adjusted(4, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        }
        painter->restore();
        return;
    }

    painter->fillRect(rect, selected ? style.selectionBackground : style.background);
    QFont font = column->font().value_or(style.cellFont);
    if (selected && style.selectionBold)
        font.setBold(true);
    painter->setFont(font);
    painter->setPen(selected ? style.selectionText : style.text);
    const QVariant raw = index.data(DataSetModel::RawValueRole);
    const QRect inner = rect.adjusted(3, 1, -3, -1);
    Qt::Alignment align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    if (!align)
        align = column->alignment();

    auto placeIn = [&](const QSize &size) {
        QRect r(QPoint(0, 0), size);
        if (align & Qt::AlignHCenter)
            r.moveLeft(inner.left() + (inner.width() - size.width()) / 2);
        else if (align & Qt::AlignRight)
            r.moveRight(inner.right());
        else
            r.moveLeft(inner.left());
        r.moveTop(inner.top() + (inner.height() - size.height()) / 2);
        return r;
    };

    switch (column->kind()) {
    case GridCellKind::Text:
    case GridCellKind::Label: {
        int flags = int(align);
        if (column->wordWrap())
            flags |= Qt::TextWordWrap;
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->drawText(inner, flags,
                          column->wordWrap()
                              ? text
                              : painter->fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
        break;
    }
    case GridCellKind::IconByValue: {
        const GridColumn::IconValue *item = column->iconFor(raw);
        QPixmap icon = item ? item->icon : (raw.isValid() ? column->otherIcon() : column->nullIcon());
        if (!icon.isNull()) {
            QSize size = icon.deviceIndependentSize().toSize();
            QString text = column->showDescriptions() && item ? item->description : QString();
            if (!text.isEmpty()) {
                const QRect iconRect(inner.left(), inner.top() + (inner.height() - size.height()) / 2,
                                     size.width(), size.height());
                painter->drawPixmap(iconRect, icon);
                painter->drawText(inner.adjusted(size.width() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                  text);
            } else {
                painter->drawPixmap(placeIn(size), icon);
            }
        }
        break;
    }
    case GridCellKind::CheckBox: {
        QStyleOptionButton check;
        const QWidget *widget = m_view->tableView();
        QStyle *qs = widget->style();
        const QRect box = qs->subElementRect(QStyle::SE_CheckBoxIndicator, &check, widget);
        check.rect = QRect(rect.left() + (rect.width() - box.width()) / 2,
                           rect.top() + (rect.height() - box.height()) / 2, box.width(), box.height());
        const bool on = raw.metaType().id() == QMetaType::QString ? raw.toString() == QLatin1String("1")
                                                                  : raw.toDouble() != 0.0;
        check.state = QStyle::State_Enabled | (on ? QStyle::State_On : QStyle::State_Off);
        qs->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, widget);
        break;
    }
    case GridCellKind::Picture: {
        const QImage image = picture(raw.toByteArray());
        if (!image.isNull()) {
            const QSize size = image.size().scaled(inner.size(), Qt::KeepAspectRatio);
            const QSize shown =
                image.width() <= inner.width() && image.height() <= inner.height() ? image.size() : size;
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawImage(placeIn(shown), image);
        }
        break;
    }
    case GridCellKind::CustomDraw: {
        if (column->customDraw()) {
            GridCustomDrawArgs args;
            args.sourceRow = index.data(GridRowsModel::SourceRowRole).toInt();
            args.values = rows->rowValues(args.sourceRow);
            args.rect = rect;
            args.selected = selected;
            column->customDraw()(painter, args);
        }
        break;
    }
    }

    if (m_view->gridLines()) {
        painter->setPen(style.gridLines);
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    if (m_view->focusRectVisible() && (option.state & QStyle::State_HasFocus)) {
        painter->setPen(QPen(style.text, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}
