#pragma once

#include <QVariantMap>

class GridView;

// The focused row of a catalogue grid as the basket wants it: the grid's focused row gives the stock
// number (not the data set's cursor, which need not follow sorting and filtering), the data set is
// positioned on it and every field of that record is returned by name. Empty without a focused row.
QVariantMap OdakliKatalogSatiri(GridView *grid);
