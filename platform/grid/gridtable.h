#pragma once

#include <QElapsedTimer>
#include <QTableView>

class GridView;

// The scrolling body of a GridView: row focus, double clicks, group rows, incremental search.
class GridTable : public QTableView
{
    Q_OBJECT

public:
    explicit GridTable(GridView *view);

    void keyboardSearch(const QString &search) override;
    QString searchText() const { return m_search; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool toggleGroupAt(const QPoint &pos);

    GridView *m_view;
    QString m_search;
    QElapsedTimer m_searchTimer;
};
