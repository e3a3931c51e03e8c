// The built-in pictures of the screens: streamed bitmaps made from assets/ui/, drawn at a position of the
// current target.
#include "GUI_Stream.h"
#include "UI_GraphicsCachePrivate.h"
#include "UI_PictureData.h"

namespace {

void _Draw(const unsigned char* pStream, int x, int y) { GUI_DrawStreamedBitmapAuto(pStream, x, y); }

template <class T, int N> const unsigned char* _Pick(const T (&a)[N], int i) { return i >= 0 && i < N ? a[i] : nullptr; }

const unsigned char* const _apInternal[UI_NUM_PICS] = {
    UI_acPic_background, UI_acPic_logo, UI_acPic_title, UI_acPic_plate, UI_acPic_panel, UI_acPic_dialog,
    UI_acPic_tile,
};

const unsigned char* const _apSideIcon[UI_NUM_SIDE_ICONS] = {
    UI_acPic_side_home,         UI_acPic_side_up,      UI_acPic_side_home_locked,
    UI_acPic_side_back,         UI_acPic_side_root_back, UI_acPic_side_network_back,
    UI_acPic_side_no_back,      UI_acPic_side_inactive, UI_acPic_side_back_locked,
};

const unsigned char* const _apTileSymbol[UI_NUM_TILES] = {
    UI_acPic_tile_symbol01, UI_acPic_tile_symbol02, UI_acPic_tile_symbol03, UI_acPic_tile_symbol04,
    UI_acPic_tile_symbol05, UI_acPic_tile_symbol06, UI_acPic_tile_symbol07, UI_acPic_tile_symbol08,
    UI_acPic_tile_symbol09, UI_acPic_tile_symbol10, UI_acPic_tile_symbol11, UI_acPic_tile_symbol12,
    UI_acPic_tile_symbol13,
};

const unsigned char* const _apSmall[][2] = {
    {UI_acPic_icon33_info, UI_acPic_icon33_next},
    {UI_acPic_icon25_file, UI_acPic_icon25_folder},
    {UI_acPic_square_plus, UI_acPic_square_minus},
    {UI_acPic_bar_end0, UI_acPic_bar_end1},
};

const unsigned char* const _apPublic[UI_NUM_PUBLIC_PICTURES] = {
    UI_acPic_side_button, UI_acPic_side_button_dark, UI_acPic_indicator_message, UI_acPic_indicator_bus,
    UI_acPic_indicator_mark, UI_acPic_tab_selected, UI_acPic_busy,
};

}  // namespace

void UI__DrawPicture(int Picture, int x, int y) {
  if (const unsigned char* p = _Pick(_apInternal, Picture)) _Draw(p, x, y);
}

void UI__DrawSideIcon(int Icon, int x, int y) {
  if (const unsigned char* p = _Pick(_apSideIcon, Icon)) _Draw(p, x, y);
}

void UI__DrawTileSymbol(int Symbol, int x, int y) {
  if (const unsigned char* p = _Pick(_apTileSymbol, Symbol - 1)) _Draw(p, x, y);
}

void UI__DrawSmallIcon(int Kind, int Index, int x, int y) {
  if (Kind < 0 || Kind >= int(sizeof(_apSmall) / sizeof(_apSmall[0])) || Index < 0 || Index > 1) return;
  // The square icons are 20x20 in the middle of their 30x30 square.
  _Draw(_apSmall[Kind][Index], x, y);
}

const void* UI_GetPicture(int Picture) { return _Pick(_apPublic, Picture); }

void UI_DrawPicture(int Picture, int x, int y) {
  if (const unsigned char* p = _Pick(_apPublic, Picture)) _Draw(p, x, y);
}

void UI_DrawTabSymbol(int Tab, int x, int y) {
  const unsigned char* p = nullptr;
  switch (Tab) {
  case 1: p = UI_acPic_tab_symbol01; break;
  case 3:
  case 4: p = UI_acPic_tab_symbol03; break;
  case 5: p = UI_acPic_tab_symbol05; break;
  case 7: p = UI_acPic_tab_symbol07; break;
  case 8: p = UI_acPic_tab_symbol08; break;
  case 10: p = UI_acPic_tab_symbol10; break;
  default: break;
  }
  if (p) _Draw(p, x, y);
}
