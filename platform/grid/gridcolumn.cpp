#include "platform/grid/gridcolumn.h"

#include "platform/grid/gridview.h"

GridColumn::GridColumn(GridView *view, QString name, QString fieldName)
    : m_view(view), m_name(std::move(name)), m_fieldName(std::move(fieldName))
{}

void GridColumn::changed(bool layout)
{
    if (m_view)
        m_view->columnChanged(this, layout);
}

void GridColumn::setFieldName(const QString &fieldName)
{
    m_fieldName = fieldName;
    if (m_view)
        m_view->bindColumns();
    changed(true);
}

void GridColumn::setCaption(const QString &caption)
{
    m_caption = caption;
    changed(false);
}

QString GridColumn::headerText() const
{
    return m_caption.isEmpty() ? m_fieldName : m_caption;
}

void GridColumn::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    changed(true);
}

void GridColumn::setVisibleForCustomization(bool offered)
{
    m_offered = offered;
}

void GridColumn::setWidth(int width)
{
    // The toolkit's rule: a column never gets narrower than its own minimum.
    width = qMax(width, m_minWidth);
    width = qMax(width, 0);
    if (m_width == width)
        return;
    m_width = width;
    changed(true);
}

void GridColumn::setMinWidth(int width)
{
    m_minWidth = qMax(0, width);
    if (m_width < m_minWidth)
        setWidth(m_minWidth);
}

void GridColumn::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    m_alignmentSet = true;
    changed(false);
}

void GridColumn::setHeaderAlignment(Qt::Alignment alignment)
{
    m_headerAlignment = alignment;
    changed(false);
}

void GridColumn::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    changed(false);
}

void GridColumn::setFont(const QFont &font)
{
    m_font = font;
    changed(false);
}

void GridColumn::setKind(GridCellKind kind)
{
    m_kind = kind;
    changed(false);
}

void GridColumn::addIconValue(const QVariant &value, const QPixmap &icon, const QString &description)
{
    m_iconValues.append({value, icon, description});
    changed(false);
}

const GridColumn::IconValue *GridColumn::iconFor(const QVariant &value) const
{
    if (!value.isValid())
        return nullptr;
    for (const IconValue &item : m_iconValues) {
        bool match = false;
        if (item.value.metaType().id() == QMetaType::QString || value.metaType().id() == QMetaType::QString)
            match = item.value.toString() == value.toString();
        else
            match = item.value.toDouble() == value.toDouble();
        if (match)
            return &item;
    }
    return nullptr;
}

void GridColumn::setCustomDraw(CustomDraw draw)
{
    m_customDraw = std::move(draw);
    m_kind = GridCellKind::CustomDraw;
    changed(false);
}

void GridColumn::setFilterable(bool on)
{
    m_filterable = on;
    changed(false);
}

void GridColumn::setSizable(bool on)
{
    m_sizable = on;
    changed(true);
}

void GridColumn::setFooterSummary(GridSummaryKind kind)
{
    m_footerSummary = kind;
    changed(false);
}

void GridColumn::setGroupSummary(GridSummaryKind kind)
{
    m_groupSummary = kind;
    changed(false);
}
