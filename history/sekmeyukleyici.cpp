#include "history/sekmeyukleyici.h"

#include "app/core/utils.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "platform/widgets/busyindicator.h"

#include <atomic>
#include <memory>
#include <utility>

SekmeYukleyici::SekmeYukleyici(QObject *context, GridView *grid, TDataSource *kaynak, BusyIndicator *busy)
    : m_context(context), m_grid(grid), m_kaynak(kaynak), m_busy(busy)
{}

void SekmeYukleyici::yukle(const Adimlar &adimlar)
{
    if (m_loading) {
        m_againWanted = true;
        return;
    }
    m_loading = true;
    if (m_busy)
        m_busy->start();
    m_grid->setEnabled(false);
    m_kaynak->setEnabled(false);
    m_grid->BeginUpdate();

    auto failed = std::make_shared<std::atomic<bool>>(false);
    const auto getir = adimlar.getir;
    Async([getir, failed] { failed->store(getir()); })->Await(m_context, [this, adimlar, failed] {
        if (adimlar.baglamadanOnce)
            adimlar.baglamadanOnce();
        m_kaynak->setEnabled(true);
        m_grid->EndUpdate();
        m_grid->setEnabled(true);
        if (adimlar.bagladiktanSonra)
            adimlar.bagladiktanSonra();
        if (m_busy)
            m_busy->stop();
        m_loading = false;
        const bool again = std::exchange(m_againWanted, false);
        if (adimlar.bitti)
            adimlar.bitti(failed->load());
        if (again && adimlar.yeniden)
            adimlar.yeniden();
        if (failed->load())
            MesajGoster(BaglantiHatasi, mtError, mbOKOnly, mbOK);
    });
}
