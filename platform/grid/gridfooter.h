#pragma once

#include <QWidget>

class GridView;

// The footer row under the rows: each column's summary, aligned with its header section.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    explicit GridFooter(GridView *view);

    QSize sizeHint() const override;
    // Where a column's summary is drawn, in footer coordinates.
    QRect cellRect(int logical) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GridView *m_view;
};
