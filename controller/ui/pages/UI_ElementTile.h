// Icon tiles of the kind-1 menu pages (a node's root menu): a 180x40 tile per link, showing the cached tile
// picture of its icon, the link's text and, when a 0x20 record stands before it, a value of the node.
#pragma once
#include <cstdint>

#include "UI_Element.h"

enum {
  UI_TILE_W = 180,
  UI_TILE_H = 40,
  UI_NUM_TILE_ICONS = 13,  // icon numbers 1..13
  // Layout of a tile page: two columns, a row every 60 pixels.
  UI_TILE_X_LEFT = 20,
  UI_TILE_X_RIGHT = 220,
  UI_TILE_Y0 = 10,
  UI_TILE_ROW_STEP = 60,
};

struct UI_TILE_BLOCK {
  uint32_t ValueAddress;  // 0: the tile shows no value
  uint32_t LinkAddress;
  uint8_t Icon;           // 1..13
  uint8_t ReadDone;
  uint8_t HasValue;       // the last value answer carried a value
  int32_t Value;
  char16_t acValue[UI_VALUE_TEXT_LEN];
  char16_t acText[UI_LINE_TEXT_LEN];  // the link's text answer
};

// Builds the tile of a kind-1 record. A 0x20 record names the value of the tile that follows it and is used
// together with it; a record with an icon number of 0 or above 13 makes no tile. Never reads at or beyond pEnd (the
// menu buffer's end).
int UI_BuildIconTile(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
// Places the tiles of a page in two columns and returns the page height 10 + 60 * rows.
int UI_LayoutIconTiles(WM_HWIN hPage);

void UI_FetchTileValue(UI_TILE_BLOCK* p);
void UI_IconTileCallback(WM_MESSAGE* pMsg);
