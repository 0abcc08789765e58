// Resources of the main window (frm_main_resources.rc).
#pragma once

#define IDI_ZELVANO 1
// The bar pictures of each scale: IDB_BAR_WIDEN + IDB_BAR_SET_STRIDE · set.
#define IDB_BAR_WIDEN 101   // Image1: right-pointing arrow, 9 x 403 at 100 %
#define IDB_BAR_NARROW 102  // Image2: left-pointing arrow, 10 x 401 at 100 %
#define IDB_BAR_SET_STRIDE 10
