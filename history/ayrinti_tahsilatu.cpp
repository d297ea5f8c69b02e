#include "history/ayrinti_tahsilatu.h"

#include "app/core/callframe.h"
#include "app/core/utils.h"
#include "history/altpanel.h"
#include "history/hesaplar.h"
#include "history/siparisgrid.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/shellopen.h"

#include <QBuffer>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Field names are the headers here; the window never gives its own captions.
const struct
{
    const char *field;
    bool visible;
    bool offered;
} kKolonlar[] = {
    {"Tarih", true, true}, {"Türü", true, true},     {"Cins", true, true},     {"Vade", true, true},
    {"Tutar", true, true}, {"Açıklama", true, true}, {"EvrakNo", false, true}, {"Ref", false, true},
    {"Saat", false, true}, {"Kur", false, false},    {"KurTL", false, false},  {"Döviz Tutar", false, false},
};

} // namespace

Tayrinti_tahsilat::Tayrinti_tahsilat(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ayrinti_tahsilat"));
    setWindowTitle(QStringLiteral("Evrak Ayrıntı"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    GecmisGridGorunumu(m_grid, 40);
    m_grid->setFooterVisible(true);
    int n = 0;
    for (const auto &k : kKolonlar) {
        const QString field = QString::fromUtf8(k.field);
        GridColumn *c = m_grid->createColumn(QStringLiteral("cxGridDBTableView1Column%1").arg(++n), field);
        c->setVisible(k.visible);
        c->setVisibleForCustomization(k.offered);
        c->setHeaderAlignment(Qt::AlignCenter);
        c->setWidth(140);
    }
    m_grid->setDataSource(&DataSource1);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bottom);
    m_belgeyaz = new QPushButton(QStringLiteral("PDF Al"), bottom);
    m_belgeyaz->setObjectName(QStringLiteral("belgeyaz"));
    m_belgeyaz->setMinimumSize(120, 40);
    m_belgeyaz->setAutoDefault(false);
    row->addWidget(m_belgeyaz);
    row->addStretch(1);
    QPushButton *kapat = nullptr;
    QPushButton *excel = nullptr;
    QWidget *buttons = closeExportButtons(bottom, &kapat, &excel);
    static_cast<QVBoxLayout *>(buttons->layout())->setDirection(QBoxLayout::LeftToRight);
    row->addWidget(buttons);
    layout->addWidget(bottom);
    connect(kapat, &QPushButton::clicked, this, &Tayrinti_tahsilat::KapatClick);
    connect(excel, &QPushButton::clicked, this, &Tayrinti_tahsilat::Button2Click);
    connect(m_belgeyaz, &QPushButton::clicked, this, &Tayrinti_tahsilat::belgeyazClick);
    resize(900, 420);
}

Tayrinti_tahsilat::~Tayrinti_tahsilat()
{
    // The grid outlives the data set members; it must not read them while they go.
    m_grid->setDataSource(nullptr);
}

void Tayrinti_tahsilat::EnIyile()
{
    FormatAyarla(&m_tah);
}

void Tayrinti_tahsilat::KapatClick()
{
    close();
}

void Tayrinti_tahsilat::Button2Click()
{
    ExcelKaydet(m_grid, this);
}

void Tayrinti_tahsilat::belgeyazClick()
{
    const QString path = MakbuzYolu(BelgelerKlasoru(), sirano);
    if (QFile::exists(path))
        QFile::remove(path);
    if (!con)
        return;
    qint64 size = 0;
    try {
        con->Open();
    } catch (const Exception &error) {
        // The connection's own text, and nothing is downloaded.
        MesajGoster(error.Message(), mtError, mbOKOnly, mbOK);
        return;
    }
    {
        callframe_detail::ClosesConnection closer(*con);
        try {
            TServerMethods1Client proxy(*con);
            const QByteArray stream = proxy.SAnalPosPdfVer(sirano, size);
            QBuffer source;
            source.setData(stream);
            source.open(QIODevice::ReadOnly);
            source.seek(0);
            QByteArray buffer;
            if (size != 0) {
                char chunk[1024];
                qint64 read = 0;
                do {
                    read = source.read(chunk, sizeof chunk);
                    if (read > 0)
                        buffer.append(chunk, read);
                } while (read == qint64(sizeof chunk));
            }
            if (buffer.size() == size && size != 0) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly) && file.write(buffer) == buffer.size())
                    file.close();
                else
                    QFile::remove(path);
            }
        } catch (const Exception &) {
            // A failed download leaves no file, so nothing is opened below.
        }
    }
    if (QFile::exists(path))
        ShellOpen(path);
}
