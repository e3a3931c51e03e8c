// The network page: a tile for the own device and one for every known bus node; a touch on a controller's tile
// opens its root menu. The node strip names the node whose menu is shown.
#pragma once
#include "UI_MenuStack.h"
#include "WM.h"

enum { UI_NODE_TILE_W = 370, UI_NODE_TILE_H = 80 };

// Stacks the tiles, sizes the page, restores the scroll position and enables vertical motion.
void UI_LayoutNodeTiles(WM_HWIN hPage, int ListPosition);
// Reads a node's name into its record (own device: its local name object).
void UI_RefreshNodeName(UI_NODE_RECORD* p);
// Painting and touch rules shared by the scrolled pages (UI_MenuPage.cpp).
void UI__PaintPage(WM_HWIN hWin);
int UI__PageCommon(WM_MESSAGE* pMsg, int* pContentHeight);
