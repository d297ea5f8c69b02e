#pragma once

// The frame around every server call: open the connection with BaglantiAc, make a proxy, call,
// let the proxy go, close the connection (also when the call raises).
//
//   int adet = 0;
//   if (!SunucuCagir(bagc, 1, [&](TServerMethods1Client &p) { adet = p.SepetSayisi(sbilgi); }))
//       return;                                   // not connected; BaglantiAc showed the message
//
//   CallError hata;                               // background task: a clone of its own
//   bool ok = KlondaSunucuCagir(bagc, 0, [&](TServerMethods1Client &p) { ... }, &hata);
//
// With a CallError the call's Exception (and only that) is caught: the result is false and the
// error's class and message are kept. Without one the Exception reaches the caller.

#include "app/core/utils.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"
#include "server/proxim.h"

#include <QString>

#include <utility>

struct CallError
{
    bool raised = false;
    QString className;
    QString message;
};

namespace callframe_detail {

class ClosesConnection
{
public:
    explicit ClosesConnection(TSQLConnection &connection) : m_connection(connection) {}
    ~ClosesConnection() { m_connection.Close(); }

private:
    TSQLConnection &m_connection;
};

template<class F>
bool callOpen(TSQLConnection &connection, F &&call, CallError *caught)
{
    ClosesConnection closer(connection);
    if (!caught) {
        TServerMethods1Client proxy(connection);
        std::forward<F>(call)(proxy);
        return true;
    }
    try {
        TServerMethods1Client proxy(connection);
        std::forward<F>(call)(proxy);
        return true;
    } catch (const Exception &error) {
        caught->raised = true;
        caught->className = error.ClassName();
        caught->message = error.Message();
        return false;
    }
}

} // namespace callframe_detail

// Window thread, over the given connection (bagc or a window's own clone).
// False when the connection could not be opened or (with caught) the call raised.
template<class F>
bool SunucuCagir(TSQLConnection &connection, int goster, F &&call, CallError *caught = nullptr)
{
    if (!BaglantiAc(connection, goster))
        return false;
    return callframe_detail::callOpen(connection, std::forward<F>(call), caught);
}

// Background variant: a fresh clone of the main connection, made here and freed here, so the
// main connection is never touched off the window thread.
template<class F>
bool KlondaSunucuCagir(const TSQLConnection &main, int goster, F &&call, CallError *caught = nullptr)
{
    const std::unique_ptr<TSQLConnection> clone = main.CloneConnection();
    return SunucuCagir(*clone, goster, std::forward<F>(call), caught);
}
