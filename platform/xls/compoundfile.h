#pragma once

#include <QByteArray>
#include <QString>

// A compound (OLE2) file holding one stream: the container a BIFF8 workbook lives in.
QByteArray compoundFileWithStream(const QString &streamName, const QByteArray &stream);
