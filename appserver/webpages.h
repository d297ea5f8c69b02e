#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace appserver {

// The small setup program /exe/RavlaSetup.exe hands out to outdated clients.
QByteArray setupProgram();
// The distributor's request form, filled in from the query keys carino, kullanici and id.
QString requestFormPage(const QString &carino, const QString &kullanici, const QString &id);
QString requestThanksPage();

} // namespace appserver
