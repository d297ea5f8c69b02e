#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

class GridView;
class QPainter;

// What a custom-drawn cell gets: the row's values by field name, where to draw, and the state.
struct GridCustomDrawArgs
{
    QVariantMap values;
    QRect rect;
    bool selected = false;
    int sourceRow = -1;
};

enum class GridCellKind { Text, Label, IconByValue, CheckBox, Picture, CustomDraw };
enum class GridSummaryKind { None, Count, Sum };

// One column of a GridView: what it shows and how. Changes repaint or relayout the owning view.
class GridColumn
{
public:
    using CustomDraw = std::function<void(QPainter *, const GridCustomDrawArgs &)>;

    struct IconValue
    {
        QVariant value;
        QPixmap icon;
        QString description;
    };

    GridColumn(GridView *view, QString name, QString fieldName);

    GridView *view() const { return m_view; }
    // The column's own name (the design-time component name), unique in its view.
    QString name() const { return m_name; }
    QString FieldName() const { return m_fieldName; }
    void setFieldName(const QString &fieldName);
    // Unbound views: the column of the unbound rows this column shows.
    int unboundIndex() const { return m_unboundIndex; }

    // The header: the caption, or the field name when there is none.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString headerText() const;

    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    // Listed in the column chooser so the user may show or hide it.
    bool VisibleForCustomization() const { return m_offered; }
    void setVisibleForCustomization(bool offered);

    int Width() const { return m_width; }
    void setWidth(int width);
    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int width);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool hasExplicitAlignment() const { return m_alignmentSet; }
    Qt::Alignment headerAlignment() const { return m_headerAlignment; }
    void setHeaderAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    std::optional<QFont> font() const { return m_font; }
    void setFont(const QFont &font);

    GridCellKind kind() const { return m_kind; }
    void setKind(GridCellKind kind);

    // Icon by value: the icon of the first matching value; nullIcon for an empty value, otherIcon else.
    void addIconValue(const QVariant &value, const QPixmap &icon, const QString &description = QString());
    const QVector<IconValue> &iconValues() const { return m_iconValues; }
    void setNullIcon(const QPixmap &icon) { m_nullIcon = icon; }
    void setOtherIcon(const QPixmap &icon) { m_otherIcon = icon; }
    void setShowDescriptions(bool show) { m_showDescriptions = show; }
    bool showDescriptions() const { return m_showDescriptions; }
    const IconValue *iconFor(const QVariant &value) const;
    QPixmap nullIcon() const { return m_nullIcon; }
    QPixmap otherIcon() const { return m_otherIcon; }

    void setCustomDraw(CustomDraw draw);
    const CustomDraw &customDraw() const { return m_customDraw; }

    bool filterable() const { return m_filterable; }
    void setFilterable(bool on);
    bool sortable() const { return m_sortable; }
    void setSortable(bool on) { m_sortable = on; }
    bool sizable() const { return m_sizable; }
    void setSizable(bool on);
    bool focusable() const { return m_focusable; }
    void setFocusable(bool on) { m_focusable = on; }

    GridSummaryKind footerSummary() const { return m_footerSummary; }
    void setFooterSummary(GridSummaryKind kind);
    GridSummaryKind groupSummary() const { return m_groupSummary; }
    void setGroupSummary(GridSummaryKind kind);

    // Binding to the view's model column; set by the view.
    int modelColumn() const { return m_modelColumn; }
    void setModelColumn(int column) { m_modelColumn = column; }
    void setUnboundIndex(int index) { m_unboundIndex = index; }

private:
    void changed(bool layout);

    GridView *m_view;
    QString m_name;
    QString m_fieldName;
    QString m_caption;
    int m_unboundIndex = -1;
    int m_modelColumn = -1;
    int m_tag = 0;
    bool m_visible = true;
    bool m_offered = true;
    int m_width = 64;
    int m_minWidth = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_alignmentSet = false;
    Qt::Alignment m_headerAlignment = Qt::AlignCenter;
    bool m_wordWrap = false;
    std::optional<QFont> m_font;
    GridCellKind m_kind = GridCellKind::Label;
    QVector<IconValue> m_iconValues;
    QPixmap m_nullIcon;
    QPixmap m_otherIcon;
    bool m_showDescriptions = false;
    CustomDraw m_customDraw;
    bool m_filterable = true;
    bool m_sortable = true;
    bool m_sizable = true;
    bool m_focusable = true;
    GridSummaryKind m_footerSummary = GridSummaryKind::None;
    GridSummaryKind m_groupSummary = GridSummaryKind::None;
};
