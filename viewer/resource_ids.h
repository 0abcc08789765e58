// Resources of the main window (frmMain_resources.rc).
#pragma once

#define IDI_ZELVANO 1
#define IDB_BAR_WIDEN 101   // Image1: right-pointing arrow, 9 x 403
#define IDB_BAR_NARROW 102  // Image2: left-pointing arrow, 10 x 401
