#include "platform/grid/headerfilterpopup.h"

#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int valueRole = Qt::UserRole + 1;
constexpr int isAllRole = Qt::UserRole + 2;
} // namespace

QString HeaderFilterPopup::allText()
{
    return QStringLiteral("(Tümü)");
}

QString HeaderFilterPopup::blanksText()
{
    return QStringLiteral("(Boşlar)");
}

HeaderFilterPopup::HeaderFilterPopup(GridView *view, GridColumn *column)
    : QFrame(view, Qt::Popup), m_view(view), m_column(column)
{
    setObjectName(QStringLiteral("headerfilterpopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("headerfilterlist"));
    m_list->setAccessibleName(column->headerText());
    layout->addWidget(m_list);

    const std::optional<QString> current = view->rowsModel()->filterOf(column);
    auto *all = new QListWidgetItem(allText(), m_list);
    all->setData(isAllRole, true);
    for (const QString &value : view->rowsModel()->filterValues(column)) {
        auto *item = new QListWidgetItem(value.isEmpty() ? blanksText() : value, m_list);
        item->setData(valueRole, value);
        if (current && *current == value)
            m_list->setCurrentItem(item);
    }
    if (!current)
        m_list->setCurrentItem(all);
    connect(m_list, &QListWidget::itemClicked, this, &HeaderFilterPopup::choose);
    connect(m_list, &QListWidget::itemActivated, this, &HeaderFilterPopup::choose);

    const QFontMetrics fm(m_list->font());
    int width = qMax(column->Width(), 120);
    for (int i = 0; i < qMin(m_list->count(), 200); ++i)
        width = qMax(width, fm.horizontalAdvance(m_list->item(i)->text()) + 40);
    const int rows = qMin(m_list->count(), 15);
    resize(qMin(width, 400), rows * (fm.height() + 4) + 8);
}

void HeaderFilterPopup::choose(QListWidgetItem *item)
{
    if (item->data(isAllRole).toBool())
        m_view->clearFilter(m_column);
    else
        m_view->setFilter(m_column, item->data(valueRole).toString());
    close();
}
