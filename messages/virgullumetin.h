#pragma once

#include <QString>
#include <QStringList>

// Lines joined with "," as a comma-separated text: a line holding a blank or any character up to
// code 32, a comma or a double quote is enclosed in double quotes, its quotes doubled.
QString VirgulluMetin(const QStringList &lines);
