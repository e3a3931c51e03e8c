// The text entry's painting: the keyboard from the prerendered key pictures, the key labels, the title and the
// edit line with its cursor.
#include "GUI.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_GraphicsCache.h"
#include "UI_TextEntryPrivate.h"

#define S UI_TextEntryState

namespace {

constexpr GUI_COLOR _RED = 0x0000FF, _SHIFT_ON = 0x00FFFF;

// The picture of a key: character keys 36 wide, the function keys 56, the space bar 178.
GUI_HMEM _KeyPicture(int k, int Down) {
  if (k < UI_TE_CHAR_KEYS) return Down ? UI_hMemdevKeyDown : UI_hMemdevKey;
  if (k == UI_TE_KEY_SPACE) return Down ? UI_hMemdevSpaceKeyDown : UI_hMemdevSpaceKey;
  return Down ? UI_hMemdevWideKeyDown : UI_hMemdevWideKey;
}

// A label centred on the key, first as a black shadow one pixel right and down, then in white.
void _Label(const int16_t* r, const char16_t* s, int Down) {
  int x = (r[0] + r[2]) / 2 + Down, y = r[1] + 3 + Down;
  GUI_SetColor(GUI_BLACK);
  UI_DrawTextCentredAt(s, x + 1, y + 1);
  GUI_SetColor(GUI_WHITE);
  UI_DrawTextCentredAt(s, x, y);
}

// Shapes of the function keys, drawn around the key's centre.
const GUI_POINT _aShift[] = {{0, -11}, {11, 0}, {5, 0}, {5, 10}, {-5, 10}, {-5, 0}, {-11, 0}};
const GUI_POINT _aBackspace[] = {{-14, 0}, {-6, -9}, {14, -9}, {14, 9}, {-6, 9}};
const GUI_POINT _aClear[] = {{-10, 0}, {0, -9}, {0, -4}, {12, -4}, {12, 4}, {0, 4}, {0, 9}};

void _Shape(const int16_t* r, const GUI_POINT* p, int n, int Filled, GUI_COLOR Color, int Down) {
  int x = (r[0] + r[2]) / 2 + Down, y = (r[1] + r[3]) / 2 + Down;
  GUI_SetColor(GUI_BLACK);
  if (Filled) GUI_FillPolygon(p, n, x + 1, y + 1);
  GUI_DrawPolygon(p, n, x + 1, y + 1);
  GUI_SetColor(Color);
  if (Filled) GUI_FillPolygon(p, n, x, y);
  GUI_DrawPolygon(p, n, x, y);
}

void _PaintKey(int k) {
  const int16_t* r = UI_TextEntryKeys[k];
  char16_t c = k < UI_TE_CHAR_KEYS ? UI_TextEntryKeyChar(k) : 0;
  int Down = k == S.Pressed || (k < UI_TE_CHAR_KEYS && !c);
  UI_DrawEntryKey(_KeyPicture(k, Down), r);
  int Pressed = k == S.Pressed;
  if (c) {
    const char16_t a[2] = {c, 0};
    _Label(r, a, Pressed);
    return;
  }
  switch (k) {
    case UI_TE_KEY_SYMBOLS: _Label(r, (S.Keyboard & UI_TE_SYMBOLS) ? u"ABC" : u"12!*", Pressed); break;
    case UI_TE_KEY_EXTRA: {
      char16_t a[4];
      if (S.Keyboard & UI_TE_EXTRA) {
        _Label(r, u"ABC", Pressed);
      } else {
        UI_TextEntryExtraLabel(a);
        if (a[0]) _Label(r, a, Pressed);
      }
      break;
    }
    case UI_TE_KEY_SHIFT: {
      // Outlined while off, outlined and coloured for one capital, filled for caps lock; in the symbols the
      // arrow shows which page follows.
      int Caps = (S.Keyboard & UI_TE_CAPS) && !(S.Keyboard & UI_TE_SYMBOLS);
      GUI_COLOR Color = (S.Keyboard & UI_TE_SHIFT) || Caps ? _SHIFT_ON : GUI_WHITE;
      _Shape(r, _aShift, 7, Caps, Color, Pressed);
      break;
    }
    case UI_TE_KEY_BACKSPACE: _Shape(r, _aBackspace, 5, 1, GUI_WHITE, Pressed); break;
    case UI_TE_KEY_CLEAR:
      _Shape(r, _aClear, 7, 1, GUI_WHITE, Pressed);
      GUI_SetColor(GUI_WHITE);
      GUI_FillRect((r[0] + r[2]) / 2 - 14 + Pressed, (r[1] + r[3]) / 2 - 9 + Pressed,
                   (r[0] + r[2]) / 2 - 13 + Pressed, (r[1] + r[3]) / 2 + 9 + Pressed);
      break;
    default: break;
  }
}

}  // namespace

void UI__TextEntryPaint(const UI_TextEntryParams* p) {
  UI_DrawEntryDialogBackground();
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetFont(&UI_Font24);
  for (int k = 0; k < UI_TE_KEYS; k++) _PaintKey(k);
  GUI_SetTextAlign(GUI_TA_LEFT);
  int y = 20;
  if (p->pTitle) {
    GUI_SetFont(&UI_Font15B);
    GUI_SetColor(GUI_BLACK);
    UI_DrawTextAt(p->pTitle, 10, 10);
    y = 35;
  }
  GUI_SetFont(&UI_Font24);
  int Refused = UI_TextEntryWantsFileName(p->Mode) &&
                !UI_TextEntryIsFileName(S.acText, UI_TextEntryClampLength(p->MaxLen));
  GUI_SetColor(Refused ? _RED : GUI_BLACK);
  UI_DrawTextAt(S.acText, 20, y);
  int x = 20 + UI_TextWidthN(S.acText, S.Cursor);
  GUI_SetColor(_RED);
  GUI_DrawVLine(x, y, y + 21);
}
