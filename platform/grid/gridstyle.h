#pragma once

#include <QColor>
#include <QFont>

// Colours and fonts of one grid view.
struct GridStyle
{
    QColor background = QColor(255, 255, 255);
    QColor text = QColor(0, 0, 0);
    QColor headerBackground = QColor(236, 240, 245);
    QColor headerText = QColor(0, 0, 0);
    QColor selectionBackground = QColor(51, 102, 170);
    QColor selectionText = QColor(255, 255, 255);
    QColor gridLines = QColor(208, 215, 229);
    QColor indicator = QColor(66, 66, 66);
    QColor groupBackground = QColor(228, 234, 242);
    QColor footerBackground = QColor(236, 240, 245);
    QFont cellFont;
    QFont headerFont;
    bool selectionBold = false;
};
