// The built-in pictures of the screens, drawn at a position of the current target.
#include "GUI_Stream.h"
#include "UI_GraphicsCachePrivate.h"

namespace {

const GUI_COLOR _ICON = 0x404040;

void _Arrow(int x, int y, GUI_COLOR Color) {  // 36x28 arrow pointing left
  static const GUI_POINT a[] = {{0, 14}, {14, 0}, {14, 8}, {36, 8}, {36, 20}, {14, 20}, {14, 28}};
  GUI_SetColor(Color);
  GUI_FillPolygon(a, 7, x, y);
}

}  // namespace

void UI__DrawPicture(int Picture, int x, int y) {
  switch (Picture) {
  case UI_PIC_BACKGROUND:
    GUI_DrawGradientV(x, y, x + 479, y + 271, 0xFFFFFF, 0xE8E0D8);
    break;
  case UI_PIC_LOGO:
    GUI_SetColor(0xF0E8E0);
    GUI_FillCircle(x + 130, y + 120, 100);
    break;
  case UI_PIC_TITLE:
    GUI_DrawGradientV(x, y, x + 479, y + 30, 0xF8F8F8, 0xC8C8C8);
    GUI_SetColor(0x808080);
    GUI_DrawHLine(y + 30, x, x + 479);
    break;
  case UI_PIC_PLATE:
    GUI_DrawGradientRoundedV(x, y, x + 412, y + 41, 6, 0xF0F0F0, 0xC0C0C0);
    GUI_SetColor(0x808080);
    GUI_DrawRoundedRect(x, y, x + 412, y + 41, 6);
    break;
  case UI_PIC_PANEL:
    GUI_SetColor(0xA0A0A0);
    GUI_FillRoundedRect(x, y, x + 409, y + 231, 8);
    GUI_SetColor(GUI_WHITE);
    GUI_FillRoundedRect(x + 9, y + 4, x + 386, y + 213, 5);
    break;
  case UI_PIC_DIALOG:
    GUI_SetColor(0x909090);
    GUI_FillRoundedRect(x, y, x + 411, y + 223, 8);
    GUI_DrawGradientRoundedV(x + 3, y + 3, x + 408, y + 220, 6, 0xF4F4F4, 0xD8D8D8);
    break;
  case UI_PIC_TILE:
    GUI_DrawGradientRoundedV(x, y, x + 179, y + 39, 4, 0xF8F8F8, 0xD8D8D8);
    GUI_SetColor(0x909090);
    GUI_DrawRoundedRect(x, y, x + 179, y + 39, 4);
    break;
  default: break;
  }
}

void UI__DrawSideIcon(int Icon, int x, int y) {
  switch (Icon) {
  case UI_ICON_HOME: {
    static const GUI_POINT aRoof[] = {{0, 16}, {20, 0}, {40, 16}};
    GUI_SetColor(_ICON);
    GUI_FillPolygon(aRoof, 3, x, y + 4);
    GUI_FillRect(x + 6, y + 20, x + 34, y + 40);
    break;
  }
  case UI_ICON_UP: {
    static const GUI_POINT a[] = {{14, 0}, {28, 14}, {20, 14}, {20, 36}, {8, 36}, {8, 14}, {0, 14}};
    GUI_SetColor(_ICON);
    GUI_FillPolygon(a, 7, x + 6, y + 3);
    break;
  }
  case UI_ICON_HOME_LOCKED:
  case UI_ICON_BACK_LOCKED:
    GUI_SetColor(_ICON);
    GUI_DrawRoundedFrame(x + 10, y + 4, x + 29, y + 24, 8, 3);
    GUI_FillRoundedRect(x + 4, y + 18, x + 35, y + 40, 3);
    break;
  case UI_ICON_BACK: _Arrow(x + 2, y + 7, _ICON); break;
  case UI_ICON_ROOT_BACK: _Arrow(x + 2, y + 7, 0xA0A0A0); break;
  case UI_ICON_NETWORK_BACK:
    _Arrow(x + 2, y + 7, _ICON);
    GUI_SetColor(0xC06020);
    GUI_FillCircle(x + 28, y + 21, 4);
    break;
  case UI_ICON_NO_BACK: _Arrow(x + 2, y + 7, 0xD0D0D0); break;
  case UI_ICON_INACTIVE:
    GUI_SetColor(0xA0A0A0);
    GUI_FillRect(x + 4, y + 18, x + 35, y + 24);
    break;
  default: break;
  }
}

void UI__DrawTileSymbol(int Symbol, int x, int y) {
  GUI_SetColor(_ICON);
  int cx = x + 16, cy = y + 16;
  switch ((Symbol - 1) % 4) {
  case 0: GUI_FillCircle(cx, cy, 6 + Symbol % 5); break;
  case 1: GUI_FillRect(cx - 8, cy - 8 + Symbol % 3, cx + 8, cy + 8); break;
  case 2: GUI_DrawRoundedFrame(cx - 10, cy - 10, cx + 10, cy + 10, 3, 2 + Symbol % 3); break;
  default: {
    const GUI_POINT a[] = {{0, 16}, {8 + Symbol % 8, 0}, {16 + Symbol % 8, 16}};
    GUI_FillPolygon(a, 3, x + 4, y + 8);
    break;
  }
  }
}

void UI__DrawSmallIcon(int Kind, int Index, int x, int y) {
  switch (Kind) {
  case UI_SMALL_ICON33:
    GUI_SetColor(Index ? 0x2080C0 : 0x208020);
    GUI_FillCircle(x + 16, y + 16, 14);
    GUI_SetColor(GUI_WHITE);
    GUI_FillRect(x + 14, y + 8, x + 18, y + 24);
    break;
  case UI_SMALL_ICON25:
    GUI_SetColor(Index ? 0x2080C0 : 0x208020);
    GUI_FillRoundedRect(x + 2, y + 2, x + 22, y + 30, 3);
    break;
  case UI_SMALL_SQUARE:
    GUI_SetColor(GUI_WHITE);
    if (Index) {
      GUI_FillRect(x + 4, y + 8, x + 16, y + 12);
    } else {
      GUI_FillRect(x + 8, y + 4, x + 12, y + 16);
      GUI_FillRect(x + 4, y + 8, x + 16, y + 12);
    }
    break;
  case UI_SMALL_BAR_END: {
    static const GUI_POINT a[] = {{0, 0}, {12, 10}, {0, 20}};
    GUI_SetColor(Index ? GUI_BLACK : GUI_WHITE);
    GUI_FillPolygon(a, 3, x + 18, y + 11);
    break;
  }
  default: break;
  }
}
