// Plain-shape stand-ins for the main screen's prerendered pictures.
#include "UI_MainImages.h"

#include "GUI.h"
#include "UI_GraphicsCache.h"

namespace {

const GUI_COLOR _ICON = 0x404040;
const GUI_COLOR _ICON_LIGHT = 0xA0A0A0;

void _Arrow(int x, int y, GUI_COLOR Color) {  // a 44x36 arrow pointing left
  static const GUI_POINT aArrow[] = {{0, 18}, {18, 0}, {18, 11}, {44, 11}, {44, 25}, {18, 25}, {18, 36}};
  GUI_SetColor(Color);
  GUI_FillPolygon(aArrow, 7, x, y);
}

// A prerendered picture when the cache has it; 0 tells the caller to draw the plain stand-in.
int _Cached(GUI_HMEM hMem, int x, int y) {
  if (!hMem) return 0;
  UI_DrawCached(hMem, x, y);
  return 1;
}

int _Icon(int Icon, int x, int y) { return _Cached(UI_ahMemdevSideIcon[Icon], x, y); }

// The built-in pictures join the prerendered ones: both or neither, so that a screen never mixes the two looks.
int _Picture(int Picture, int x, int y) {
  if (!UI_hMemdevPageBg) return 0;
  UI_DrawPicture(Picture, x, y);
  return 1;
}

}  // namespace

void UI__DrawPageBackground(int x, int y, int xSize, int ySize) {
  if (UI_hMemdevPageBg) {  // the page background stands still on the screen, wherever the window lies
    UI_DrawCachedAtOrigin(UI_hMemdevPageBg);
    return;
  }
  GUI_SetColor(GUI_WHITE);
  GUI_FillRect(x, y, x + xSize - 1, y + ySize - 1);
}

void UI__DrawSideButtonBackground(int Dark) {
  if (_Picture(Dark ? UI_PICTURE_SIDE_BUTTON_DARK : UI_PICTURE_SIDE_BUTTON, 0, 0)) return;
  GUI_SetColor(GUI_WHITE);
  GUI_FillRect(0, 0, 59, 89);
  if (Dark) {
    GUI_DrawGradientRoundedV(2, 2, 47, 87, 6, 0x909090, 0x686868);
  } else {
    GUI_DrawGradientRoundedV(2, 2, 47, 87, 6, 0xF4F4F4, 0xC8C8C8);
  }
  GUI_SetColor(Dark ? 0x505050 : 0x989898);
  GUI_DrawRoundedRect(2, 2, 47, 87, 6);
}

void UI__DrawHomeImage(void) {
  if (_Icon(UI_ICON_HOME, 8, 27)) return;
  static const GUI_POINT aRoof[] = {{0, 16}, {22, 0}, {44, 16}};
  GUI_SetColor(_ICON);
  GUI_FillPolygon(aRoof, 3, 2, 27);
  GUI_FillRect(8, 43, 40, 63);
  GUI_SetColor(0xE0E0E0);
  GUI_FillRect(20, 50, 28, 63);
}

void UI__DrawUpIcon(int x, int y) {
  if (_Icon(UI_ICON_UP, x, y)) return;
  static const GUI_POINT aUp[] = {{18, 0}, {36, 18}, {25, 18}, {25, 36}, {11, 36}, {11, 18}, {0, 18}};
  GUI_SetColor(_ICON);
  GUI_FillPolygon(aUp, 7, x + 4, y);
}

void UI__DrawBackIcon(int x, int y) {
  if (_Icon(UI_ICON_BACK, x, y)) return;
  _Arrow(x - 2, y, _ICON);
}

void UI__DrawRootBackIcon(int x, int y) {
  if (_Icon(UI_ICON_ROOT_BACK, x, y)) return;
  _Arrow(x - 2, y, _ICON_LIGHT);
}

void UI__DrawNetworkBackIcon(int x, int y) {
  if (_Icon(UI_ICON_NETWORK_BACK, x, y)) return;
  _Arrow(x - 2, y, _ICON);
  GUI_SetColor(0x2060C0);
  GUI_FillCircle(x + 30, y + 18, 4);
}

void UI__DrawLockedImage(void) {
  if (_Icon(UI_ICON_BACK_LOCKED, 8, 27)) return;
  GUI_SetColor(_ICON);
  GUI_DrawRoundedFrame(14, 26, 34, 48, 9, 3);
  GUI_FillRoundedRect(8, 40, 40, 64, 3);
}

void UI__DrawInactiveImage(void) {
  if (_Icon(UI_ICON_INACTIVE, 8, 27)) return;
  GUI_SetColor(_ICON_LIGHT);
  GUI_FillRect(8, 42, 40, 48);
}

void UI__DrawTitleStrip(int Design) {
  if (_Cached(Design ? UI_hMemdevTitleDesign : UI_hMemdevTitleStrip, 0, 0)) return;
  if (Design) {
    GUI_DrawGradientV(0, 0, 479, 29, 0xE8E8E8, 0xB8B8B8);
  } else {
    GUI_DrawGradientV(0, 0, 479, 29, 0xFFFFFF, 0xD0D0D0);
  }
  GUI_SetColor(0x909090);
  GUI_DrawHLine(29, 0, 479);
}

void UI__DrawIndicatorPicture(int Which, int x, int y) {
  if (_Picture(Which == 0 ? UI_PICTURE_MESSAGE : UI_PICTURE_BUS, x, y)) return;
  if (Which == 0) {  // an envelope
    GUI_SetColor(0x00A0F0);
    GUI_FillRect(x, y + 4, x + 20, y + 19);
    GUI_SetColor(GUI_BLACK);
    GUI_DrawRect(x, y + 4, x + 20, y + 19);
    GUI_DrawLine(x, y + 4, x + 10, y + 12);
    GUI_DrawLine(x + 20, y + 4, x + 10, y + 12);
  } else {  // the bus symbol: two linked dots
    GUI_SetColor(0x208020);
    GUI_FillCircle(x + 5, y + 12, 4);
    GUI_FillCircle(x + 17, y + 12, 4);
    GUI_DrawHLine(y + 12, x + 5, x + 17);
  }
}

void UI__DrawIndicatorMark(int x, int y) {
  if (_Picture(UI_PICTURE_INDICATOR_MARK, x, y)) return;
  GUI_SetColor(0x785028);
  GUI_FillRect(x, y, x + 6, y + 2);
}

void UI__DrawPanelPicture(int x, int y) {  // 394x218, framing the panel's middle window
  GUI_SetColor(0xB0B0B0);
  GUI_FillRoundedRect(x, y, x + 393, y + 217, 8);
  GUI_SetColor(GUI_WHITE);
  GUI_FillRoundedRect(x + 4, y + 4, x + 389, y + 213, 5);
}

void UI__DrawPanelTabsBackground(int x, int y, int xSize, int ySize) {
  if (_Cached(UI_hMemdevPanelInner, x, y)) return;
  if (_Cached(UI_hMemdevPanel, x, y)) return;
  GUI_SetColor(GUI_WHITE);
  GUI_FillRect(x, y, x + xSize - 1, y + ySize - 1);
}

void UI__DrawSelectedTab(void) {
  if (_Picture(UI_PICTURE_TAB_SELECTED, 0, 0)) return;
  GUI_SetColor(0xE8CFB5);
  GUI_FillRoundedRect(0, 0, 32, 36, 4);
  GUI_SetColor(0x785028);
  GUI_DrawRoundedRect(0, 0, 32, 36, 4);
}

void UI__DrawTabSymbol(int Tab, int x, int y) {
  if (UI_hMemdevPageBg) {
    UI_DrawTabSymbol(Tab, x, y);
    return;
  }
  GUI_SetColor(_ICON);
  switch (Tab) {
    case 1: GUI_FillRect(x + 6, y + 6, x + 20, y + 24); break;  // a page
    case 3:
    case 4: GUI_FillCircle(x + 13, y + 15, 9); break;  // a dial
    case 5: GUI_DrawRoundedFrame(x + 4, y + 6, x + 22, y + 24, 3, 2); break;  // a frame
    case 7: {
      static const GUI_POINT aPlay[] = {{0, 0}, {16, 9}, {0, 18}};
      GUI_FillPolygon(aPlay, 3, x + 6, y + 6);
      break;
    }
    case 8: GUI_FillRect(x + 4, y + 12, x + 22, y + 17); break;  // a bar
    case 10:
      GUI_DrawLine(x + 4, y + 24, x + 12, y + 8);
      GUI_DrawLine(x + 12, y + 8, x + 22, y + 20);
      break;
    default: break;
  }
}

const GUI_BITMAP* UI__GetBusyBitmap(void) {
  enum { _N = 24 };
  static const GUI_COLOR aColors[] = {0, 0x404040, 0xE8CFB5};
  static const GUI_PALETTE Pal = {3, 1, aColors};
  static U8 aData[_N * _N];
  static const GUI_BITMAP Bitmap = {_N, _N, _N, 8, aData, &Pal, nullptr};
  static bool s_Made;
  if (!s_Made) {  // a ring with a light quarter
    for (int y = 0; y < _N; y++) {
      for (int x = 0; x < _N; x++) {
        int dx = 2 * x - (_N - 1), dy = 2 * y - (_N - 1);
        int d2 = dx * dx + dy * dy;
        U8 Index = 0;
        if (d2 <= (_N - 1) * (_N - 1) && d2 >= (_N - 9) * (_N - 9)) Index = (dx > 0 && dy < 0) ? 2 : 1;
        aData[y * _N + x] = Index;
      }
    }
    s_Made = true;
  }
  return &Bitmap;
}
