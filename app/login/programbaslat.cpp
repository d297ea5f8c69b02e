#include "app/login/programbaslat.h"

#include <QProcess>

namespace {
ProgramStarter &starter()
{
    static ProgramStarter s;
    return s;
}
} // namespace

bool ProgramBaslat(const QString &path, const QStringList &arguments)
{
    if (starter())
        return starter()(path, arguments);
    return QProcess::startDetached(path, arguments);
}

ProgramStarter setProgramStarter(ProgramStarter s)
{
    ProgramStarter previous = std::move(starter());
    starter() = std::move(s);
    return previous;
}
