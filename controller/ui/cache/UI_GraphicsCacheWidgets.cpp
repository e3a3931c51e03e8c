// The design-independent pictures of the cache: bars in their colour schemes, the orange bar's slices and
// ends, buttons, tabs, keys, icons and menu tiles.
#include <initializer_list>

#include "GUI_MEMDEV.h"
#include "UI_Draw.h"
#include "UI_GraphicsCachePrivate.h"

namespace {

struct _SCHEME {
  GUI_COLOR Outer0, Outer1, Inner0, Inner1;
};
const GUI_COLOR _FRAME0 = 0xE8CFB5, _FRAME1 = 0xD2B599;
const _SCHEME _aScheme[] = {
    {_FRAME0, _FRAME1, 0x30AA30, 0x60DD30},   // green
    {0x1517E5, 0x090989, 0x30AA30, 0x60DD30},  // red-framed green
    {_FRAME0, _FRAME1, 0xE49203, 0xFFCD03},   // blue
    {0x1517E5, 0x090989, 0xE49203, 0xFFCD03},  // red-framed blue
    {_FRAME0, _FRAME1, 0x008FFF, 0x00CCFF},   // orange
    {_FRAME0, _FRAME1, 0xBFA58B, 0xF9E0C5},   // light
};

const GUI_COLOR _KEY_FACE0 = 0xA0A0A0, _KEY_FACE1 = 0x808080;
const GUI_COLOR _KEY_DOWN0 = 0x606060, _KEY_DOWN1 = 0x404040;
const GUI_COLOR _KEY_SELECTED = 0x00FF00;
const GUI_COLOR _GREY0 = 0xB0B0B0, _GREY1 = 0x606060;
const GUI_COLOR _BLUE0 = 0xFFE0B0, _BLUE1 = 0xE49203;
const GUI_COLOR _GREEN0 = 0x99FF99, _GREEN1 = 0x13BF13;

// A bar of a scheme with its top left at x, y: the outer gradient frame and the inner face inset by 2.
void _Bar(int x, int y, int w, int h, int Scheme) {
  const _SCHEME& s = _aScheme[Scheme];
  GUI_DrawGradientRoundedV(x, y, x + w - 1, y + h - 1, 4, s.Outer0, s.Outer1);
  GUI_DrawGradientRoundedV(x + 2, y + 2, x + w - 3, y + h - 3, 4, s.Inner0, s.Inner1);
}

struct _BAR_JOB {
  int Scheme;
  GUI_HMEM hButton;  // small round button copied in at (255, 5), 0 for none
};

void _RenderBar(GUI_HMEM hMem, int Scheme, GUI_HMEM hButton = 0) {
  _BAR_JOB Job = {Scheme, hButton};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _BAR_JOB* pJob = static_cast<const _BAR_JOB*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        _Bar(0, 0, w, h, pJob->Scheme);
        if (pJob->hButton) UI__BlendInto(GUI_GetSelectedDevice(), pJob->hButton, 255, 5);
      },
      &Job);
}

// The orange bar drawn so that the device shows the part of a 370x44 bar at its own origin.
void _RenderOrangePart(GUI_HMEM hMem) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void*) {
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        GUI_pContext->xOff = 0;  // bar coordinates: the device's pixels sit at their origin
        GUI_pContext->yOff = 0;
        _Bar(0, 0, 370, 44, UI_BAR_ORANGE);
      },
      nullptr);
}

struct _KEY_JOB {
  int State;  // 0 normal, 1 pressed, 2 selected
  bool TwoTone;
};

void _RenderKey(GUI_HMEM hMem, int State, bool TwoTone = false) {
  _KEY_JOB Job = {State, TwoTone};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _KEY_JOB* pJob = static_cast<const _KEY_JOB*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        int d = pJob->State ? 1 : 0;  // pressed faces sit one pixel right and down
        if (pJob->TwoTone) {
          GUI_COLOR c1 = pJob->State ? _FRAME1 : _FRAME0, c2 = pJob->State ? 0xB89B80 : _FRAME1;
          UI_DrawTwoToneButton(d, d, w - 1, h - 1, c1, c2);
        } else {
          GUI_SetColor(GUI_BLACK);
          GUI_FillRoundedRect(1, 1, w - 1, h - 1, 4);
          GUI_DrawGradientRoundedV(d, d, w - 2 + d, h - 2 + d, 4, pJob->State ? _KEY_DOWN0 : _KEY_FACE0,
                                   pJob->State ? _KEY_DOWN1 : _KEY_FACE1);
        }
        if (pJob->State == 2) {
          GUI_SetColor(_KEY_SELECTED);
          GUI_DrawRoundedRect(d, d, w - 2 + d, h - 2 + d, 4);
        }
      },
      &Job);
}

struct _COLORS {
  GUI_COLOR c0, c1, c2;
  int Kind;
};

void _RenderRoundButton(GUI_HMEM hMem, GUI_COLOR c1, GUI_COLOR c2) {
  _COLORS Job = {c1, c2, 0, 0};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _COLORS* pJob = static_cast<const _COLORS*>(p);
        UI_RenderRoundButton(w, h, pJob->c0, pJob->c1);
      },
      &Job);
}

enum { _TAB_SINGLE = 3 };
void _RenderTab(GUI_HMEM hMem, int Kind, GUI_COLOR c1, GUI_COLOR c2) {
  _COLORS Job = {c1, c2, GUI_WHITE, Kind};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _COLORS* pJob = static_cast<const _COLORS*>(p);
        switch (pJob->Kind) {
        case UI_TAB_LEFT: UI_RenderTabLeft(w, h, pJob->c0, pJob->c1); break;
        case UI_TAB_MIDDLE: UI_RenderTabMiddle(w, h, pJob->c0, pJob->c1); break;
        case UI_TAB_RIGHT: UI_RenderTabRight(w, h, pJob->c0, pJob->c1); break;
        default: UI_RenderTabSingle(w, h, pJob->c0, pJob->c1, pJob->c2); break;
        }
      },
      &Job);
}

void _RenderTabHead(GUI_HMEM hMem, GUI_COLOR c0, GUI_COLOR c1) {
  _COLORS Job = {c0, c1, 0, 0};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _COLORS* pJob = static_cast<const _COLORS*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        // Only the top corners are round: the head continues below the picture.
        GUI_DrawGradientRoundedV(0, 0, w - 1, h + 4, 4, pJob->c0, pJob->c1);
        GUI_SetColor(GUI_BLACK);
        GUI_DrawRoundedRect(0, 0, w - 1, h + 4, 4);
      },
      &Job);
}

struct _ICON_JOB {
  int Kind, Index;
  bool Square;
};

void _RenderIcon(GUI_HMEM hMem, int Kind, int Index, bool Square = false) {
  _ICON_JOB Job = {Kind, Index, Square};
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const _ICON_JOB* pJob = static_cast<const _ICON_JOB*>(p);
        if (pJob->Square) {
          GUI_SetColor(GUI_WHITE);
          GUI_FillRect(0, 0, w - 1, h - 1);
          GUI_DrawGradientRoundedV(0, 0, w - 1, h - 1, 4, pJob->Index ? 0x0070E0 : 0x008FFF, 0x00CCFF);
          UI__DrawSmallIcon(UI_SMALL_SQUARE, pJob->Index, 5, 5);  // 20x20 in the middle
          return;
        }
        GUI_SetColor(GUI_TRANSPARENT);
        GUI_FillRect(0, 0, w - 1, h - 1);
        if (pJob->Kind < 0) {
          UI__DrawSideIcon(pJob->Index, 0, 0);
        } else {
          UI__DrawSmallIcon(pJob->Kind, pJob->Index, 0, 0);
        }
      },
      &Job);
}

void _RenderTile(GUI_HMEM hMem, int Symbol) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        // The picture leaves its corners out: clear them, so that no heap contents show there.
        GUI_SetColor(GUI_BLACK);
        GUI_FillRect(0, 0, w - 1, h - 1);
        UI__DrawPicture(UI_PIC_TILE, 0, 0);
        UI__DrawTileSymbol(*static_cast<const int*>(p), 4, 4);
      },
      &Symbol);
}

struct _HALF_JOB {
  int Shade;
};

void _RenderOrangeHalf(GUI_HMEM hMem, int Shade) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        int Shade = *static_cast<const int*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        GUI_COLOR c0 = Shade ? 0x0070E0 : 0x008FFF, c1 = Shade ? 0x00A8F0 : 0x00CCFF;
        GUI_DrawGradientRoundedV(0, 0, w - 1, h - 1, 4, _FRAME0, _FRAME1);
        GUI_DrawGradientRoundedV(2, 2, w - 3, h - 1, 4, c0, c1);
        // Ends fade toward the frame colour.
        GUI_DrawGradientH(2, 2, 12, h - 1, _FRAME1, c0);
        GUI_DrawGradientH(w - 13, 2, w - 3, h - 1, c0, _FRAME1);
      },
      &Shade);
}

void _RenderOrangeEnd(GUI_HMEM hMem, int Index) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        int Index = *static_cast<const int*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        // Composed from the slices, which hold the bar in bar coordinates.
        GUI_HMEM hSel = GUI_GetSelectedDevice();
        int xOrg = GUI_MEMDEV_GetXPos(hSel), yOrg = GUI_MEMDEV_GetYPos(hSel);
        const GUI_HMEM ah[] = {UI_hMemdevOrangeTop, UI_hMemdevOrangeUpper, UI_hMemdevOrangeLower,
                               UI_hMemdevOrangeBottom};
        for (GUI_HMEM hSlice : ah) {
          UI__BlendInto(hSel, hSlice, GUI_MEMDEV_GetXPos(hSlice) - xOrg, GUI_MEMDEV_GetYPos(hSlice) - yOrg);
        }
        UI__DrawSmallIcon(UI_SMALL_BAR_END, Index, 0, 0);
      },
      &Index);
}

void _RenderHalfButton(GUI_HMEM hMem, int Picture) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        if (*static_cast<const int*>(p)) {
          UI__DrawPicture(UI_PIC_TILE, 2, 0);
        } else {
          UI_DrawTwoToneButton(0, 0, w, h, _FRAME0, _FRAME1);
        }
      },
      &Picture);
}

// Two built-in 24x24 one-bit patterns: a clock and a thermometer, rows from the bottom up.
void _MakePattern(U8* p, int Kind) {
  for (int Row = 0; Row < 24; Row++) {
    for (int x = 0; x < 24; x++) {
      bool On;
      int dx = x - 12, dy = Row - 12;
      if (Kind == 0) {
        int r2 = dx * dx + dy * dy;
        On = (r2 >= 81 && r2 <= 110) || (x == 12 && Row >= 5 && Row <= 12) || (Row == 12 && x >= 12 && x <= 17);
      } else {
        int bx = x - 12, by = Row - 18;
        On = (bx * bx + by * by <= 16) || (x >= 10 && x <= 14 && Row >= 2 && Row <= 16 && (x == 10 || x == 14 || Row == 2));
      }
      if (On) p[(23 - Row) * 3 + (x >> 3)] |= U8(1 << (x & 7));
    }
  }
}

}  // namespace

void UI_RenderWidgetGraphics(void) {
  GUI_Lock();
  // Round buttons first: some bars carry a copy of one.
  _RenderRoundButton(UI_ahMemdevRoundButton[0], _FRAME0, _FRAME1);
  _RenderRoundButton(UI_ahMemdevRoundButton[1], _FRAME0, _FRAME1);
  _RenderRoundButton(UI_ahMemdevRoundButton[2], _GREEN0, _GREEN1);
  _RenderRoundButton(UI_ahMemdevRoundButton[3], _FRAME0, _FRAME1);
  _RenderRoundButton(UI_hMemdevButtonBlue, 0xFFCD03, 0xE49203);
  _RenderRoundButton(UI_hMemdevButtonGrey, _GREY0, _GREY1);
  _RenderRoundButton(UI_hMemdevButtonLight, 0xF0F0F0, 0xC8C8C8);
  for (int i = 0; i < 6; i++) _RenderBar(UI_ahMemdevBar44[i], i);
  const int aWithButton[] = {UI_BAR_GREEN, UI_BAR_BLUE, UI_BAR_ORANGE, UI_BAR_LIGHT};
  for (int i = 0; i < 4; i++) _RenderBar(UI_ahMemdevBar44[6 + i], aWithButton[i], UI_ahMemdevRoundButton[0]);
  const int aBar65[] = {UI_BAR_GREEN, UI_BAR_BLUE, UI_BAR_LIGHT};
  for (int i = 0; i < UI_NUM_BAR65; i++) _RenderBar(UI_ahMemdevBar65[i], aBar65[i]);
  for (int i = 0; i < UI_NUM_BAR80; i++) _RenderBar(UI_ahMemdevBar80[i], i);
  _RenderBar(UI_ahMemdevHalfBar[0], UI_BAR_GREEN);
  _RenderBar(UI_ahMemdevHalfBar[1], UI_BAR_BLUE);
  for (GUI_HMEM h : {UI_hMemdevOrangeTop, UI_hMemdevOrangeUpper, UI_hMemdevOrangeLower, UI_hMemdevOrangeBottom}) {
    _RenderOrangePart(h);
  }
  // The side edges: the bar's rows 13 to 30, where only the sides differ from row to row.
  if (UI_hMemdevOrangeSides) {
    GUI_MEMDEV_SetOrg(UI_hMemdevOrangeSides, 0, 13);
    _RenderOrangePart(UI_hMemdevOrangeSides);
    GUI_MEMDEV_SetOrg(UI_hMemdevOrangeSides, 0, 0);
  }
  _RenderOrangeHalf(UI_ahMemdevOrangeHalf[0], 0);
  _RenderOrangeHalf(UI_ahMemdevOrangeHalf[1], 1);
  _RenderOrangeEnd(UI_ahMemdevOrangeEnd[0], 0);
  _RenderOrangeEnd(UI_ahMemdevOrangeEnd[1], 1);
  _RenderHalfButton(UI_ahMemdevHalfButton[0], 0);
  _RenderHalfButton(UI_ahMemdevHalfButton[1], 1);
  for (int i = 0; i < UI_NUM_TILES; i++) _RenderTile(UI_ahMemdevTile[i], i + 1);
  _RenderTab(UI_ahMemdevTabSingle[0], _TAB_SINGLE, _GREY0, _GREY1);
  _RenderTab(UI_ahMemdevTabSingle[1], _TAB_SINGLE, _BLUE0, _BLUE1);
  for (int k = 0; k < 3; k++) _RenderTab(UI_ahMemdevTabSeg41[k], k, _GREY0, _GREY1);
  const GUI_COLOR aSeg[3][2] = {{_GREY0, _GREY1}, {_BLUE0, _BLUE1}, {_GREEN0, _GREEN1}};
  for (int s = 0; s < 3; s++) {
    for (int k = 0; k < 3; k++) _RenderTab(UI_ahMemdevTabSeg31[s][k], k, aSeg[s][0], aSeg[s][1]);
  }
  _RenderTabHead(UI_ahMemdevTabHead[0], _GREY0, _GREY1);
  _RenderTabHead(UI_ahMemdevTabHead[1], _BLUE0, _BLUE1);
  _RenderTabHead(UI_ahMemdevTabHead[2], _GREEN0, _GREEN1);
  for (int i = 0; i < UI_NUM_SIDE_ICONS; i++) _RenderIcon(UI_ahMemdevSideIcon[i], -1, i);
  for (int i = 0; i < 2; i++) {
    _RenderIcon(UI_ahMemdevIcon33[i], UI_SMALL_ICON33, i);
    _RenderIcon(UI_ahMemdevIcon25[i], UI_SMALL_ICON25, i);
    _RenderIcon(UI_ahMemdevSquare[i], UI_SMALL_SQUARE, i, true);
  }
  UI__TurnPicture(UI_ahMemdevIcon33[1], 210000);
  _RenderKey(UI_hMemdevKey, 0);
  _RenderKey(UI_hMemdevKeyDown, 1);
  _RenderKey(UI_hMemdevKeySelected, 2);
  _RenderKey(UI_hMemdevWideKey, 0);
  _RenderKey(UI_hMemdevWideKeyDown, 1);
  _RenderKey(UI_hMemdevSpaceKey, 0);
  _RenderKey(UI_hMemdevSpaceKeyDown, 1);
  _RenderKey(UI_hMemdevLongKey, 0);
  _RenderKey(UI_hMemdevLongKeyDown, 1);
  for (int i = 0; i < 3; i++) _RenderKey(UI_ahMemdevKey40[i], i);
  _RenderKey(UI_hMemdevKey47, 0);
  _RenderKey(UI_hMemdevKey47Down, 1);
  _RenderKey(UI_hMemdevKey47Row, 0);
  _RenderKey(UI_hMemdevKey47RowDown, 1);
  for (int i = 0; i < 3; i++) _RenderKey(UI_ahMemdevTwoToneKey[i], i, true);
  U8 aPattern[2][72] = {};
  _MakePattern(aPattern[0], 0);
  _MakePattern(aPattern[1], 1);
  UI_RenderIcon24(UI_hMemdevIcon24, aPattern[0]);
  UI_RenderIcon24(UI_hMemdevIcon24b, aPattern[1]);
  GUI_Unlock();
}
