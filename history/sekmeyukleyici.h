#pragma once

#include <QPointer>
#include <functional>

class BusyIndicator;
class GridView;
class QObject;
class TDataSource;

// The tab-loading pattern of the list tabs: the grid is detached and locked, a worker fills the data
// set, the window thread re-attaches it and reports a failure. One load at a time; a show during a
// load asks for exactly one more after it.
class SekmeYukleyici
{
public:
    struct Adimlar
    {
        std::function<bool()> getir;            // worker: fills the data set, true on failure
        std::function<void()> baglamadanOnce;   // window thread, data set still detached
        std::function<void()> bagladiktanSonra; // window thread, grid usable again
        std::function<void(bool hata)> bitti;   // after the busy animation has stopped
        std::function<void()> yeniden;          // the tab's own show, for the load asked for meanwhile
    };

    SekmeYukleyici(QObject *context, GridView *grid, TDataSource *kaynak, BusyIndicator *busy);

    void yukle(const Adimlar &adimlar);
    bool yukleniyor() const { return m_loading; }

private:
    QObject *m_context;
    QPointer<GridView> m_grid;
    TDataSource *m_kaynak;
    QPointer<BusyIndicator> m_busy;
    bool m_loading = false;
    bool m_againWanted = false;
};
