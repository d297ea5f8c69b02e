#pragma once

#include "basket/baskettab.h"

// The basket's detail window: Tstokayarinti filled with the values and its picture, shown modally.
std::optional<DetayCevabi> StokDetayGoster(QWidget *parent, TSQLConnection &bagc,
                                           const StokDetayDegerleri &d);
