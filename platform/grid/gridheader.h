#pragma once

#include <QHeaderView>

class GridView;

// Column headers with a filter button at the right of each filterable column; the context menu
// opens the quick column chooser.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridHeader(GridView *view);

    // Where a section's filter button is, in viewport coordinates; empty when it has none.
    QRect filterButtonRect(int logical) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QSize sectionSizeFromContents(int logical) const override;

private:
    GridView *m_view;
    bool m_pressOnButton = false;
};
