#pragma once

#include <QCache>
#include <QImage>
#include <QStyledItemDelegate>

class GridView;

// Paints every cell of a GridView by its column's kind, and the group and group-footer rows.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit GridDelegate(GridView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return nullptr;
    }

    // Decoded pictures by content, so scrolling does not decode again.
    QImage picture(const QByteArray &bytes) const;

private:
    GridView *m_view;
    mutable QCache<size_t, QImage> m_pictures;
};
