#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Sipariş Onay": who orders for which account with which note, the overdue warning in red, and
// "Evet" (OK) / "Hayır" (Cancel).
class TONAYSIP : public QDialog
{
    Q_OBJECT

public:
    explicit TONAYSIP(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

// The summary of Label2: the three values lined up behind eleven-character prefixes.
QString SiparisOzeti(const QString &kullanici, const QString &cari, const QString &aciklama);
