#include "history/altpanel.h"

#include "history/hesaplar.h"
#include "server/baglantiu.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(const char *name, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(130);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPlainTextEdit *memo(const char *name, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setMinimumWidth(220);
    return edit;
}

} // namespace

TotalsGroup::TotalsGroup(QWidget *parent)
{
    m_box = new QGroupBox(QStringLiteral("Tutar"), parent);
    m_box->setObjectName(QStringLiteral("GroupBoxTutar"));
    auto *form = new QFormLayout(m_box);
    form->setLabelAlignment(Qt::AlignRight);
    aratoplaml = valueLabel("aratoplaml", m_box);
    indiriml = valueLabel("indiriml", m_box);
    nettutarl = valueLabel("nettutarl", m_box);
    vergil = valueLabel("vergil", m_box);
    geneltoplaml = valueLabel("geneltoplaml", m_box, true);
    form->addRow(QStringLiteral("Toplam:"), aratoplaml);
    form->addRow(QStringLiteral("İndirim Toplam:"), indiriml);
    form->addRow(QStringLiteral("Ara Toplam:"), nettutarl);
    form->addRow(QStringLiteral("Vergi:"), vergil);
    auto *genel = new QLabel(QStringLiteral("Genel Toplam:"), m_box);
    QFont font = genel->font();
    font.setBold(true);
    genel->setFont(font);
    form->addRow(genel, geneltoplaml);
}

void TotalsGroup::show(const ToplamYazilari &yazilar)
{
    aratoplaml->setText(yazilar.aratoplam);
    indiriml->setText(yazilar.indirim);
    nettutarl->setText(yazilar.nettutar);
    vergil->setText(yazilar.vergi);
    geneltoplaml->setText(yazilar.geneltoplam);
}

QLabel *plainValueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(160);
    return label;
}

QWidget *closeExportButtons(QWidget *parent, QPushButton **kapat, QPushButton **excel)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    *kapat = new QPushButton(QStringLiteral("Kapat"), box);
    (*kapat)->setObjectName(QStringLiteral("Button1"));
    *excel = new QPushButton(QStringLiteral("Excel Kaydet"), box);
    (*excel)->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {*kapat, *excel}) {
        b->setMinimumSize(120, 40);
        b->setAutoDefault(false);
        column->addWidget(b);
    }
    column->addStretch(1);
    return box;
}

OrderFooterPanel::OrderFooterPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);

    auto *bilgi = new QGroupBox(QStringLiteral("Sipariş Bilgileri"), this);
    bilgi->setObjectName(QStringLiteral("GroupBoxSiparis"));
    auto *form = new QFormLayout(bilgi);
    _sipdurun = plainValueLabel("_sipdurun", bilgi);
    _teslimcinsi = plainValueLabel("_teslimcinsi", bilgi);
    _kargocinsi = plainValueLabel("_kargocinsi", bilgi);
    _kargo = plainValueLabel("_kargo", bilgi);
    _veren = plainValueLabel("_veren", bilgi);
    form->addRow(QStringLiteral("Sipariş Durumu:"), _sipdurun);
    form->addRow(QStringLiteral("Teslim Cinsi:"), _teslimcinsi);
    form->addRow(QStringLiteral("Kargo Cinsi:"), _kargocinsi);
    form->addRow(QStringLiteral("Kargo:"), _kargo);
    form->addRow(QStringLiteral("Veren:"), _veren);
    row->addWidget(bilgi);

    auto addMemo = [&](const QString &caption, const char *name) {
        auto *box = new QWidget(this);
        auto *column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        auto *label = new QLabel(caption, box);
        column->addWidget(label);
        QPlainTextEdit *edit = memo(name, box);
        label->setBuddy(edit);
        edit->setAccessibleName(caption.chopped(1)); // without the ':'
        column->addWidget(edit, 1);
        row->addWidget(box, 1);
        return edit;
    };
    m_sizin = addMemo(QStringLiteral("Mesajınız:"), "_sizin");
    m_bizim = addMemo(QStringLiteral("Siparişi Alanın Notu:"), "_bizim");

    row->addWidget(m_totals.box());
    row->addWidget(closeExportButtons(this, &m_kapat, &m_excel));
    setFixedHeight(190);
}

void OrderFooterPanel::showFooter(const TSiparisDipAyrinti &dip, bool saticiNotu)
{
    _sipdurun->setText(dip.Durumu());
    _teslimcinsi->setText(dip.TeslimCinsi());
    _kargocinsi->setText(dip.KargoCinsi());
    _kargo->setText(dip.Kargo());
    _veren->setText(dip.Veren());
    m_sizin->setPlainText(dip.SizinMesaj());
    m_bizim->setPlainText(saticiNotu ? AlaninNotu(dip.BizimMesaj(), dip.SaticiNotu()) : dip.BizimMesaj());
}

QLabel *OrderFooterPanel::label(const QString &name) const
{
    return findChild<QLabel *>(name);
}
