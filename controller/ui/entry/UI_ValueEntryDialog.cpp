// The numeric value entry's dialog: creation, painting, keys, pointer and the result.
#include <cstring>

#include "GUI.h"
#include "TXT_FormatValue.h"
#include "TXT_Groups.h"
#include "TXT_Language.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"
#include "UI_ValueEntryPrivate.h"
#include "WM_Timer.h"

#define S UI__ValueEntryState
#define F UI_EntryFields

namespace {

enum { _TEXT_LEN = 48 };
constexpr GUI_COLOR _SHADOW = 0xD3D3D3, _RED = 0x0000FF;

int _GetInfo(WM_HWIN hWin, UI_ValueEntryInfo* pInfo) {
  memset(pInfo, 0, sizeof(*pInfo));
  if (WM_GetUserData(hWin, pInfo, sizeof(*pInfo)) < int(sizeof(*pInfo))) {
    memset(pInfo, 0, sizeof(*pInfo));
    pInfo->Mode = 255;
    return 0;
  }
  return 1;
}

int _KeyActive(int Key) {
  if (Key <= 13 || Key >= 26) return 1;
  if (Key <= 17) return !S.TwoRow;
  return S.TwoRow;
}

int _KeyAt(int x, int y) {
  for (int k = 0; k < UI_VE_KEYS; k++) {
    const int16_t* r = UI_ValueEntryKeys[k];
    if (_KeyActive(k) && UI_PointOnKey(r, x, y)) return k;
  }
  return -1;
}

GUI_RECT _KeyRect(int k) {
  const int16_t* r = UI_ValueEntryKeys[k];
  return GUI_RECT{r[0], r[1], r[2], r[3]};
}

// |Value| of field k with its typed decimals ("12.5", "12." while the point was typed without digits).
void _FieldText(int k, char16_t* p, int Len, int WithSign) {
  int64_t v = F[k].Value;
  int Neg = v < 0;
  if (Neg) v = -v;
  char a[32];
  int n = 0;
  int Typed = S.aTyped[k];
  do {
    a[n++] = char('0' + v % 10);
    v /= 10;
    if (n == Typed) a[n++] = '.';
  } while ((v || n <= Typed) && n < 30);
  if (Typed && a[n - 1] == '.') a[n++] = '0';
  int i = 0;
  if (WithSign && (Neg || (S.Negative && F[k].Value == 0 && k == 0))) p[i++] = '-';
  while (n && i < Len - 2) p[i++] = char16_t(a[--n]);
  if (!Typed && S.aPoint[k] && i < Len - 1) p[i++] = '.';
  p[i] = 0;
}

const char16_t* _UnitText(int Unit) {
  const char16_t* s = Unit > 0 ? TXT_GetText(TXT_GROUP_UNITS, Unit) : nullptr;
  return s ? s : u"";
}

void _Append(char16_t* p, int Len, const char16_t* s) {
  int i = 0;
  while (i < Len - 1 && p[i]) i++;
  while (i < Len - 1 && s && *s) p[i++] = *s++;
  p[i] = 0;
}

// A limit as the title line shows it.
void _LimitText(const UI_ValueEntryInfo* pInfo, int Upper, char16_t* p, int Len) {
  const UI_ValueLimits* L = pInfo->pLimits;
  int32_t Limit = Upper ? L->Upper : L->Lower;
  p[0] = 0;
  if (pInfo->Mode == 2 || L->Unit == 61) {
    TXT_FormatValue(Limit, pInfo->Mode == 2 ? F[0].Unit : L->Unit, p, size_t(Len), 1, 1, -1);
  } else if (pInfo->Mode == 1) {
    int32_t Sv = S.Sv ? S.Sv : 1;
    char16_t a[_TEXT_LEN];
    int32_t Rem = Limit % Sv, Quot = Limit / Sv;
    if (!Upper) {
      if (!Limit) _Append(p, Len, u"0");
      if (Rem) {
        TXT_FormatValue(Rem, F[0].Unit, a, _TEXT_LEN, 1, 1, -1);
        _Append(p, Len, a);
        if (Quot) _Append(p, Len, u" ");
      }
      if (Quot) {
        TXT_FormatValue(Quot, F[1].Unit, a, _TEXT_LEN, 1, 1, -1);
        _Append(p, Len, a);
      }
    } else {
      TXT_FormatValue(Quot, F[1].Unit, a, _TEXT_LEN, 1, 1, -1);
      _Append(p, Len, a);
      if (Rem) {
        TXT_FormatValue(Rem, F[0].Unit, a, _TEXT_LEN, 1, 1, -1);
        _Append(p, Len, u" ");
        _Append(p, Len, a);
      }
    }
  } else {
    TXT_FormatValue(Upper ? F[0].Max : F[0].Min, F[0].Unit, p, size_t(Len), 1, 1, -1);
  }
  p[Len - 1] = 0;
}

void _PaintTitle(const UI_ValueEntryInfo* pInfo, int Pass) {
  int dx = Pass ? 0 : 1;
  int Outside = !UI_ValueEntryAcceptable(pInfo);
  int MinRed = 0, MaxRed = 0;
  if (Outside) {
    if (pInfo->Mode == 0) {
      MinRed = UI__FieldScaled(0) < F[0].Min;
      MaxRed = UI__FieldScaled(0) > F[0].Max;
      if (!MinRed && !MaxRed) MinRed = MaxRed = 1;
    } else {
      int64_t R = UI__ValueEntryTotal(pInfo->Mode);
      MinRed = R < pInfo->pLimits->Lower;
      MaxRed = !MinRed;
    }
  }
  GUI_SetFont(&UI_Font15B);
  GUI_COLOR Base = Pass ? GUI_BLACK : _SHADOW;
  GUI_SetColor(Base);
  GUI_GotoXY(10 + dx, 10 + dx);
  if (pInfo->pTitle) {
    GUI_UC_DispString(pInfo->pTitle);
    GUI_UC_DispString(u"  ");
  }
  char16_t a[_TEXT_LEN];
  GUI_UC_DispString(u"( ");
  _LimitText(pInfo, 0, a, _TEXT_LEN);
  int x0 = GUI_GetDispPosX();
  if (Pass && MinRed) GUI_SetColor(_RED);
  GUI_UC_DispString(a);
  GUI_SetColor(Base);
  if (Pass) S.rMin = GUI_RECT{int16_t(x0), 8, int16_t(GUI_GetDispPosX()), int16_t(10 + GUI_GetFontSizeY())};
  GUI_UC_DispString(u" - ");
  _LimitText(pInfo, 1, a, _TEXT_LEN);
  x0 = GUI_GetDispPosX();
  if (Pass && MaxRed) GUI_SetColor(_RED);
  GUI_UC_DispString(a);
  GUI_SetColor(Base);
  GUI_UC_DispString(u" )");
  if (Pass) S.rMax = GUI_RECT{int16_t(x0), 8, int16_t(GUI_GetDispPosX()), int16_t(10 + GUI_GetFontSizeY())};
}

void _DispCentred(const char16_t* s, int x, int y) {
  GUI_GotoXY(x - UI_TextWidth(s) / 2, y);
  GUI_UC_DispString(s);
}

void _PaintValue(const UI_ValueEntryInfo* pInfo, int Pass) {
  int d = Pass ? 0 : 1;
  char16_t a[_TEXT_LEN];
  int Outside = (pInfo->Mode != 0) && !UI_ValueEntryAcceptable(pInfo);
  GUI_COLOR Base = Pass ? GUI_BLACK : _SHADOW;
  if (pInfo->Mode == 2) {
    if (S.Negative) {
      GUI_SetFont(&UI_Font20);
      GUI_SetColor(Pass && Outside ? _RED : Base);
      GUI_DispStringAt("-", UI_ValueEntryKeys[26 + S.Count - 1][0] - 7 + d, 67 + d);
    }
    GUI_SetFont(&UI_Font18);
    for (int k = 0; k < S.Count; k++) {
      const int16_t* r = UI_ValueEntryKeys[26 + k];
      _FieldText(k, a, _TEXT_LEN, 0);
      GUI_SetColor(Pass && Outside ? _RED : Base);
      _DispCentred(a, (r[0] + r[2]) / 2 + d, 69 + d);
    }
    return;
  }
  GUI_SetFont(&UI_Font18);
  auto Line = [&](int k, int y, int Underline) {
    _FieldText(k, a, _TEXT_LEN, 1);
    const char16_t* pUnit = _UnitText(F[k].Unit);
    if (F[k].Unit == 45 || (pInfo->pLimits->Unit == 61)) {
      // Enumerations show their text, the day and month their number only.
      if (F[k].Unit == 45) {
        const char16_t* t = TXT_GetText(61, F[k].Value & 3);
        int i = 0;
        for (; t && t[i] && i < _TEXT_LEN - 1; i++) a[i] = t[i];
        a[i] = 0;
      }
      pUnit = u"";
    }
    int wUnit = UI_TextWidth(pUnit);
    int Red = pInfo->Mode == 0 ? UI__FieldOutside(k) : Outside;
    GUI_SetColor(Pass && Red ? _RED : Base);
    int w = UI_TextWidth(a) + (wUnit ? GUI_GetCharDistX(' ') + wUnit : 0);
    int x = 206 - w / 2 + d;
    GUI_GotoXY(x, y + d);
    GUI_UC_DispString(a);
    if (wUnit) {
      GUI_UC_DispString(u" ");
      GUI_UC_DispString(pUnit);
    }
    if (Underline && Pass) GUI_DrawHLine(y + GUI_GetFontSizeY() + 1, x, x + w);
  };
  if (S.TwoRow) {
    Line(1, 47, S.Current == 1);
    Line(0, 87, S.Current == 0);
  } else {
    Line(S.Count == 2 && pInfo->Mode == 1 ? 1 : 0, 69, 0);
  }
}

void _PaintKey(int k) {
  const int16_t* r = UI_ValueEntryKeys[k];
  int Row = k >= 18;
  GUI_HMEM h = Row ? (k == S.Pressed ? UI_hMemdevKey47RowDown : UI_hMemdevKey47Row)
                   : (k == S.Pressed ? UI_hMemdevKey47Down : UI_hMemdevKey47);
  if (h) {
    UI_DrawEntryKey(h, r);
  } else {
    GUI_SetColor(k == S.Pressed ? 0x404040 : 0x707070);
    GUI_FillRoundedRect(r[0], r[1], r[2], r[3], 4);
  }
  static const char* const aLabel[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "-", "", "C",
                                       "--", "-", "+", "++"};
  int dy = Row ? 4 : 7;
  if (k == UI_VE_KEY_BACKSPACE) {
    static const GUI_POINT aArrow[] = {{12, 10}, {20, 18}, {20, 13}, {34, 13}, {34, 7}, {20, 7}, {20, 2}};
    GUI_SetColor(GUI_BLACK);
    GUI_FillPolygon(aArrow, 7, r[0] + 1, r[1] + 8);
    GUI_SetColor(GUI_WHITE);
    GUI_FillPolygon(aArrow, 7, r[0], r[1] + 7);
    return;
  }
  const char* s = aLabel[k < 18 ? k : 14 + (k - 18) % 4];
  // Each output sets its own centring: the GUI core resets the horizontal alignment after every string.
  GUI_SetFont(&UI_Font24);
  GUI_SetColor(GUI_BLACK);
  GUI_DispStringHCenterAt(s, r[0] + 24, r[1] + dy);
  GUI_SetColor(GUI_WHITE);
  GUI_DispStringHCenterAt(s, r[0] + 23, r[1] + dy - 1);
}

void _Paint(WM_HWIN hWin, const UI_ValueEntryInfo* pInfo) {
  UI_DrawEntryDialogBackground();
  UI_DrawEntryTitleRule();
  if (!pInfo->pLimits) return;
  GUI_SetTextMode(GUI_TM_TRANS);
  for (int k = 0; k <= 13; k++) _PaintKey(k);
  if (S.TwoRow) {
    for (int k = 18; k <= 25; k++) _PaintKey(k);
  } else {
    for (int k = 14; k <= 17; k++) _PaintKey(k);
  }
  if (pInfo->Mode == 2) {
    const int16_t* r = UI_ValueEntryKeys[26 + S.Current];
    GUI_SetColor(0x808080);
    GUI_DrawRoundedRect(r[0], r[1], r[2], r[3], 4);
    static const int aUnits4[] = {4, 5, 15, 16}, aUnits5[] = {5, 15, 16}, aUnits15[] = {15, 16};
    int u = pInfo->pLimits->Unit;
    const int* pu = (u == 5) ? aUnits5 : (u == 15) ? aUnits15 : aUnits4;
    int nu = (u == 5) ? 3 : (u == 15) ? 2 : 4;
    GUI_SetFont(&UI_Font15B);
    GUI_SetColor(GUI_BLACK);
    for (int k = 0; k < nu; k++) {
      const int16_t* a = UI_ValueEntryKeys[26 + k];
      _DispCentred(_UnitText(pu[k]), (a[0] + a[2]) / 2, a[1] + 6);
    }
    for (int k = 1; k < S.Count; k++) GUI_DispStringAt(":", UI_ValueEntryKeys[26 + k][2], 69);
  }
  _PaintTitle(pInfo, 0);
  _PaintTitle(pInfo, 1);
  _PaintValue(pInfo, 0);
  _PaintValue(pInfo, 1);
}

int _SidesTaken;  // the side buttons are the dialog's while it is open

void _Close(WM_HWIN hWin) {
  if (UI_hTimerValueEntry) WM_DeleteTimer(UI_hTimerValueEntry);
  UI_hTimerValueEntry = 0;
  _SidesTaken = 0;
  UI_CloseEntryDialog(hWin, &S.SideButtons);
}

// Deleted from outside (a new entry screen replaces it): the side buttons go back all the same, and neither
// the handle nor the timer outlives the window.
void _Deleted(WM_HWIN hWin) {
  if (UI_hEntryDialog != hWin) return;
  UI_hEntryDialog = 0;
  UI_hTimerValueEntry = 0;
  if (_SidesTaken) UI_GiveSideButtons(&S.SideButtons);
  _SidesTaken = 0;
}

void _Ok(WM_HWIN hWin, const UI_ValueEntryInfo* pInfo) {
  if (!pInfo->pLimits || !UI_ValueEntryAcceptable(pInfo)) {
    WM_InvalidateWindow(hWin);
    return;  // refused: the offending parts are red
  }
  int32_t R = UI_ValueEntryResult(pInfo);
  _Close(hWin);
  UI_SendResult(pInfo->hReceiver, UI_MSG_VALUE_DONE, pInfo->Tag, R);
}

void _Opened(WM_HWIN hWin, const UI_ValueEntryInfo* pInfo) {
  if (!pInfo->pLimits) {
    WM_DeleteWindow(hWin);
    if (UI_hEntryDialog == hWin) UI_hEntryDialog = 0;
    return;
  }
  UI_TakeSideButtons(&S.SideButtons, 1);
  _SidesTaken = 1;
  UI__ValueEntrySetup(pInfo);
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
}

void _OnPointer(WM_HWIN hWin, const UI_ValueEntryInfo* pInfo, const GUI_POINTER_STATE* p) {
  if (!p) return;
  if (p->Pressed) {
    // Every pressed state finds its key anew: a finger that slides off a key lets it go, one that slides onto
    // another key holds that one. Only a new key (or a first press) restarts the repeat delay.
    WM_SetCapture(hWin, 0);
    int k = _KeyAt(p->x, p->y);
    if (UI_hTimerValueEntry && (k != S.Pressed || k < 0)) WM_RestartTimer(UI_hTimerValueEntry, 600);
    if (k >= 0) {
      if (k != S.Pressed) WM_InvalidateWindow(hWin);
      S.Pressed = k;
      if (k >= 26) {
        S.Pressed = -1;
        int Field = k - 26;
        if (pInfo->Mode == 2 && Field < S.Count) {
          if (S.Current != Field) WM_InvalidateWindow(hWin);
          S.Current = Field;
          S.Fresh = 1;
        }
      }
    } else if (S.Pressed >= 0) {
      GUI_RECT r = _KeyRect(S.Pressed);
      WM_InvalidateRect(hWin, &r);
      S.Pressed = -1;
    }
    if (S.Pressed < 0) {
      if (S.TwoRow) {
        S.Fresh = 1;
        const int16_t *a = UI_ValueEntryKeys[19], *b = UI_ValueEntryKeys[20];
        const int16_t *c = UI_ValueEntryKeys[23], *e = UI_ValueEntryKeys[24];
        if (p->x > a[0] && p->y > a[1] && p->x < b[2] && p->y < b[3]) S.Current = S.UpperByTouch;
        if (p->x > c[0] && p->y > c[1] && p->x < e[2] && p->y < e[3]) S.Current = 0;
      }
      if (p->x >= S.rMin.x0 && p->x <= S.rMin.x1 && p->y >= S.rMin.y0 && p->y <= S.rMin.y1) {
        UI__ValueEntrySetLimit(pInfo, 0);
      } else if (p->x >= S.rMax.x0 && p->x <= S.rMax.x1 && p->y >= S.rMax.y0 && p->y <= S.rMax.y1) {
        UI__ValueEntrySetLimit(pInfo, 1);
      }
      WM_InvalidateWindow(hWin);
    }
    return;
  }
  WM_ReleaseCapture();
  int k = S.Pressed;
  S.Pressed = -1;
  if (k >= 0 && _KeyAt(p->x, p->y) == k) UI_ValueEntryApplyKey(k, pInfo);
  if (WM_IsWindow(hWin)) WM_InvalidateWindow(hWin);
}

void _OnKey(WM_HWIN hWin, const UI_ValueEntryInfo* pInfo, const GUI_KEY_MSG* pKey) {
  if (!pKey || pKey->PressedCnt != 1) return;
  int c = pKey->Key;
  if (c >= '0' && c <= '9') {
    UI_ValueEntryApplyKey(c - '0', pInfo);
  } else if (c == GUI_KEY_BACKSPACE) {
    UI_ValueEntryApplyKey(UI_VE_KEY_BACKSPACE, pInfo);
  } else if (c == ',' || c == '.') {
    UI_ValueEntryApplyKey(UI_VE_KEY_POINT, pInfo);
  } else if (c == '-') {
    UI_ValueEntryApplyKey(UI_VE_KEY_SIGN, pInfo);
  } else if (c == GUI_KEY_ENTER) {
    WM_SendMessageNoPara(hWin, UI_MSG_BACK);
    return;
  } else if (c == GUI_KEY_ESCAPE) {
    WM_SendMessageNoPara(hWin, UI_MSG_CLOSED);
    return;
  }
  WM_InvalidateWindow(hWin);
}

}  // namespace

void UI_ValueEntryCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ValueEntryInfo Info;
  _GetInfo(hWin, &Info);
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED: _Opened(hWin, &Info); break;
    case UI_MSG_CLOSED: _Close(hWin); break;
    case UI_MSG_BACK: _Ok(hWin, &Info); break;
    case WM_PAINT: _Paint(hWin, &Info); break;
    case WM_POINTER: _OnPointer(hWin, &Info, (const GUI_POINTER_STATE*)pMsg->Data.p); break;
    case WM_POINTER_STATE_CHANGED: break;
    case WM_SET_FOCUS: pMsg->Data.v = 0; break;  // takes the keys
    case WM_KEY: _OnKey(hWin, &Info, (const GUI_KEY_MSG*)pMsg->Data.p); break;
    case WM_TIMER:
      if (S.Pressed >= 14 && S.Pressed <= 25) {
        WM_RestartTimer(UI_hTimerValueEntry, 100);
        UI_ValueEntryApplyKey(S.Pressed, &Info);
        WM_InvalidateWindow(hWin);
      }
      break;
    case WM_DELETE:
      _Deleted(hWin);
      WM_DefaultProc(pMsg);
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

int UI_CreateValueEntry(WM_HWIN, const UI_ValueEntryInfo* pInfo) {
  WM_HWIN hWin = UI_NewEntryDialog(UI_ValueEntryCallback, sizeof(UI_ValueEntryInfo));
  if (!hWin) return 0;
  UI_hTimerValueEntry = WM_CreateTimer(hWin, 0, 10);
  WM_SetUserData(hWin, pInfo, sizeof(*pInfo));
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
  if (!WM_IsWindow(hWin)) return 0;
  return WM_SetFocus(hWin);
}
