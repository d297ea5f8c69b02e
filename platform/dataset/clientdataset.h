#pragma once

#include "platform/dataset/field.h"

#include <QObject>
#include <QVariantList>
#include <QVector>
#include <memory>
#include <vector>

// In-memory table with typed fields and a cursor, the way the feature code uses a client data set.
// While no view is attached it may be filled on any thread. Views follow it through the signals,
// which stay silent while the controls are disabled; EnableControls ends that with one dataSetChanged().
class TClientDataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { dsInactive, dsBrowse, dsEdit };

    explicit TClientDataSet(QObject *parent = nullptr);
    ~TClientDataSet() override;

    // Structure
    void clearFields();
    TField *addField(const QString &name, TFieldType type, int size = 0);
    const std::vector<std::unique_ptr<TField>> &Fields() const { return m_fields; }
    int FieldCount() const { return int(m_fields.size()); }
    TField *field(int index) const;
    TField *FieldByName(const QString &name) const;
    TField *FindField(const QString &name) const;
    int fieldIndex(const QString &name) const;

    // Open/close
    void CreateDataSet();
    // Opens an empty set with the defined fields; nothing happens when it is open already.
    void Open();
    void Close();
    bool Active() const { return m_state != State::dsInactive; }
    State state() const { return m_state; }
    void EmptyDataSet();
    void appendRow(const QVariantList &values);
    void appendRows(QVector<QVariantList> rows);
    enum class RowTypes { Check, AlreadyStored };
    // AlreadyStored: every value is null or already of its field's stored type with small integers in
    // range, as a decoded server table guarantees; the rows are then taken without being read.
    void appendRows(QVector<QVariantList> rows, RowTypes types);

    // Cursor (RecNo is 1-based, 0 on an empty set)
    int RecordCount() const { return int(m_rows.size()); }
    int RecNo() const { return m_current + 1; }
    void setRecNo(int recNo);
    int currentRow() const { return m_current; }
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool IsEmpty() const { return m_rows.isEmpty(); }
    bool Locate(const QString &fieldName, const QVariant &value);

    // Editing of the current row
    void Edit();
    void Post();
    void Cancel();

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // Stored values, for models; out of range gives null.
    QVariant value(int row, int column) const;
    const QVariantList &row(int row) const { return m_rows.at(row); }

    // Used by TField
    QVariant currentValue(int column) const;
    void setCurrentValue(int column, const QVariant &value);

signals:
    void dataSetChanged();
    void rowsAboutToBeAppended(int first, int last);
    void rowsAppended();
    void valueChanged(int row, int column);
    void cursorMoved(int row);

private:
    void checkActive() const;
    void checkBrowseMode();
    void checkStructureEditable() const;
    void setCursor(int row, bool bof, bool eof);
    QVariantList coerceRow(const QVariantList &values) const;
    bool notifying() const { return m_disableCount == 0; }

    std::vector<std::unique_ptr<TField>> m_fields;
    QVector<QVariantList> m_rows;
    QVariantList m_editBuffer;
    State m_state = State::dsInactive;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    int m_disableCount = 0;
};
