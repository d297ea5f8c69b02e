#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace appserver {

// What a stock item's picture shows.
struct StockPicture
{
    QString code;
    QString brand;
    QString group;
    QString name;
    int shape = 0; // 0 spin-on can, 1 panel, 2 round element, 3 in-line fuel filter
    int colour = 0;
};

QByteArray stockPictureJpeg(const StockPicture &item);
QByteArray announcementJpeg(const QString &title, const QString &subtitle, int colour);
// An animated GIF: one frame per text, the texts sliding in turn.
QByteArray bannerGif(int width, int height, const QStringList &texts, int colour);
QByteArray bannerBmp(int width, int height, const QString &text, int colour);

// A simple A4 document: a title, lines of text, then a table with a header row.
struct PdfDocument
{
    QString title;
    QStringList lines;
    QStringList header;
    QList<QStringList> rows;
    QList<int> rightAligned; // column indexes
};

QByteArray makePdf(const PdfDocument &doc);

} // namespace appserver
