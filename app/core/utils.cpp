#include "app/core/utils.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/async.h"
#include "platform/system/exception.h"
#include "platform/system/folders.h"
#include "platform/system/sounds.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <mutex>

namespace {
std::mutex waitMutex;
RetryWait &waitRef()
{
    static RetryWait wait;
    return wait;
}

void retryWait(int milliseconds)
{
    RetryWait wait;
    {
        std::lock_guard lock(waitMutex);
        wait = waitRef();
    }
    if (wait)
        wait(milliseconds);
    else
        QThread::msleep(milliseconds);
}

constexpr int kAttempts = 11;
constexpr int kWaitMs = 500;
} // namespace

RetryWait setRetryWait(RetryWait wait)
{
    std::lock_guard lock(waitMutex);
    return std::exchange(waitRef(), std::move(wait));
}

bool BaglantiAc(TSQLConnection &conn, int goster)
{
    conn.Close();
    int failures = 0;
    bool open = false;
    while (!open && failures < kAttempts) {
        try {
            conn.Open();
            open = true;
        } catch (const Exception &) {
            conn.Close();
            ++failures;
            retryWait(kWaitMs);
        }
    }
    if (!open && goster == 1)
        MesajGoster(BaglantiHatasi, mtError, mbOKOnly, mbOK);
    return conn.Connected();
}

int MesajGoster(const QString &text, int kind, int buttons, int focusButton)
{
    // Start-up loaders call BaglantiAc with flag 1 on their worker; widgets live on the window thread.
    const QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        int result = mrNone;
        Synchronize([&] { result = MesajGoster(text, kind, buttons, focusButton); });
        return result;
    }
    TMesajDialog dialog(text, kind, buttons, focusButton, QApplication::activeWindow());
    switch (kind) {
    case mtWarning:
        PlaySystemSound(SystemSound::Exclamation);
        break;
    case mtError:
        PlaySystemSound(SystemSound::Hand);
        break;
    case mtInformation:
        PlaySystemSound(SystemSound::Asterisk);
        break;
    case mtConfirmation:
        PlaySystemSound(SystemSound::Question);
        break;
    default:
        break;
    }
    return dialog.exec();
}

void OndalikBicimle(TClientDataSet &dataSet)
{
    for (const auto &field : dataSet.Fields()) {
        if (field->DataType() == TFieldType::ftFloat)
            field->setDisplayFormat(QStringLiteral("#,###,##0.00"));
    }
}

bool DoluMu(const TClientDataSet &dataSet)
{
    return dataSet.Active() && dataSet.RecordCount() > 0;
}

bool SecimVarMi(TClientDataSet &dataSet)
{
    if (!DoluMu(dataSet))
        return false;
    TField *sec = dataSet.FieldByName(QStringLiteral("SEC"));
    dataSet.First();
    while (!dataSet.Eof()) {
        if (!sec->IsNull() && sec->AsInteger() == 1)
            return true;
        dataSet.Next();
    }
    return false;
}

QString BelgelerKlasoru()
{
    return documentsFolder();
}

QString AyarKlasoru()
{
    const QString path = roamingConfigFolder() + QStringLiteral("/ravla");
    QDir().mkdir(path);
    return path;
}
