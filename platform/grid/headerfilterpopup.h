#pragma once

#include <QFrame>

class GridColumn;
class GridView;
class QListWidget;
class QListWidgetItem;

// The value list a header filter button opens: "(Tümü)" and each value the column holds.
class HeaderFilterPopup : public QFrame
{
    Q_OBJECT

public:
    HeaderFilterPopup(GridView *view, GridColumn *column);

    QListWidget *list() const { return m_list; }
    static QString allText();
    static QString blanksText();

private:
    void choose(QListWidgetItem *item);

    GridView *m_view;
    GridColumn *m_column;
    QListWidget *m_list;
};
