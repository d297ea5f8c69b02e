#pragma once

// The order-line grid shared by the order detail, the balances and the all-orders windows.

class GridView;

enum class SiparisGridTuru {
    Ayrinti,      // order detail: no status, no first price, no stock quantities
    Bakiye,       // open balances: first price, on-hand and order quantities, status picture
    TumSiparisler // all order lines: as the balances, the discount rate from INDIRIMORANI1
};

// The look of this folder's grids: the catalogue grids' colours without the bold selection (best fit
// measures the plain font), the mouse not moving the focus, read-only, filter buttons, a footer.
void GecmisGridGorunumu(GridView *view, int rowHeight);

// Look and columns; each column is named after the view and its field (cxGridDBTableView1ILKFIYAT).
// The user-type columns start hidden and not offered.
void SiparisGridKur(GridView *view, SiparisGridTuru tur);
