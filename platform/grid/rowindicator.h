#pragma once

#include <QHeaderView>

class GridView;

// The narrow strip left of the rows; it marks the focused row.
class RowIndicator : public QHeaderView
{
    Q_OBJECT

public:
    explicit RowIndicator(GridView *view);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override;

private:
    GridView *m_view;
};
