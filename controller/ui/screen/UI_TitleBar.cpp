// The title bar's callback.
#include "UI_TitleBar.h"

#include <cstring>

#include "APP_Hooks.h"
#include "FKT_Registry.h"
#include "FKT_Types.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "SYS_Clock.h"
#include "TXT_Language.h"
#include "UI_Main.h"
#include "UI_MainImages.h"
#include "WM_Timer.h"

UI_NODE_STATUS UI_NodeStatus;

namespace {

enum {
  _TIMER_ID = 1,
  _X_FIRST_INDICATOR = 13,
  _X_LAST_ONE_DIGIT = 138,
  _X_MESSAGE = 280,  // touch columns
  _X_SECOND = 305,
  _X_CLOCK = 331,
  _MSG_POOL_ACTIVE = 0,
  _MSG_POOL_ACKNOWLEDGE = 11,
};

const GUI_COLOR _GREEN = 0x00FF00, _DARK_BLUE = 0x785028, _RED = 0x0000FF, _GREY = 0xD3D3D3;

uint32_t _Node(WM_HWIN hWin) {
  uint32_t Node = 0;
  WM_GetUserData(hWin, &Node, 4);
  return Node;
}

// Node whose answer UI_NodeStatus holds.
uint32_t _StatusNode;

void _Refresh(WM_HWIN hWin) {
  uint8_t* pAnswer = UI_MenuStackInstance.GetTitleRecord();
  memset(pAnswer, 0, UI_NODE_STATUS_SIZE);
  uint32_t Node = _Node(hWin);
  int Locked = APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, OS_INFINITE) == OS_WAIT_TAKEN;
  int n = OBJ_Read(Node << 24 | OBJ_IDX_NODE_STATUS, pAnswer, UI_NODE_STATUS_SIZE, 0);
  if (Locked) OS_SemSignal(APP_hUiSemaphore);
  if (n <= 0) {
    // A missed answer keeps the last good state of the same node; another node's state is never shown as its.
    if (Node == _StatusNode) return;
    n = 0;
  }
  UI_DecodeNodeStatus(pAnswer, n, &UI_NodeStatus);
  _StatusNode = Node;
  WM_InvalidateWindow(hWin);
}

void _Put2(char* p, int v) {
  p[0] = char('0' + (v / 10) % 10);
  p[1] = char('0' + v % 10);
}

void _PaintIndicators(const UI_NODE_STATUS* s) {
  GUI_SetFont(&UI_Font15C);
  GUI_SetTextAlign(GUI_TA_LEFT);
  int x = _X_FIRST_INDICATOR;
  for (int i = 1; i <= s->NumIndicators; i++) {
    // One-digit numbers stand 14 pixels apart in 9-pixel boxes; from the first box whose edge would pass 138,
    // two-digit numbers follow 21 pixels apart in wider boxes.
    int OneDigit = _X_FIRST_INDICATOR + 14 * (i - 1) <= _X_LAST_ONE_DIGIT;
    if (i > 1) x += OneDigit ? 14 : 21;
    uint8_t f = s->aIndicator[i - 1];
    int w = OneDigit ? 9 : 16;
    if (f & UI_IND_BOX) {
      GUI_SetColor(_GREEN);
      GUI_FillRect(x - w, 5, x, 19);
      GUI_SetColor(_DARK_BLUE);
      GUI_DrawRoundedRect(x - w, 5, x, 19, 2);
    }
    if (f & UI_IND_RED) {
      GUI_SetColor(_RED);
      GUI_DrawRoundedRect(x - w, 5, x, 19, 2);
    }
    if (f & UI_IND_MARK) UI__DrawIndicatorMark(x - w + 1, 22);
    GUI_SetColor((f & UI_IND_ACTIVE) ? GUI_BLACK : _GREY);
    char ac[4];
    int Len = 0;
    if (i >= 10) ac[Len++] = char('0' + i / 10);
    ac[Len++] = char('0' + i % 10);
    ac[Len] = 0;
    GUI_DispStringAt(ac, x - w + 1, 5);
    if (f & UI_IND_DOT) {
      GUI_SetColor(GUI_BLACK);
      GUI_FillCircle(x + 2, 12, 1);
    }
  }
}

void _PaintClock(const UI_NODE_STATUS* s) {
  GUI_SetColor(GUI_BLACK);
  GUI_SetFont(&UI_Font15);
  int WeekDay = s->WeekDay >= 0 && s->WeekDay < 7 ? s->WeekDay : 0;
  GUI_UC_DispStringAt(TXT_GetText(TXT_GROUP_WEEKDAYS, WeekDay), 338, 5);
  GUI_SetFont(&UI_Font15C);
  char acDate[11] = "00.00.0000";
  _Put2(acDate, s->Day);
  _Put2(acDate + 3, s->Month + 1);
  int Year = s->Year + 1900;
  _Put2(acDate + 6, Year / 100);
  _Put2(acDate + 8, Year % 100);
  GUI_DispStringAt(acDate, 360, 5);
  char acTime[6] = "00:00";
  _Put2(acTime, s->Hour);
  _Put2(acTime + 3, s->Min);
  GUI_DispStringAt(acTime, 438, 5);
}

void _Paint(WM_HWIN hWin) {
  const UI_NODE_STATUS* s = &UI_NodeStatus;
  UI__DrawTitleStrip(WM_GetParent(hWin) == UI_hMainWin);
  GUI_SetTextMode(GUI_TM_TRANS);
  _PaintIndicators(s);
  if (s->Flags & 1) UI__DrawIndicatorPicture(0, 283, 3);
  if (s->Flags & 2) UI__DrawIndicatorPicture(1, 308, 3);
  if (s->Seconds) _PaintClock(s);
}

// Acknowledges every active message of the own controller.
void _AcknowledgeMessages(void) {
  for (int i = 0; FKT_Registry[i]; i++) {
    FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    uint32_t* pPool = p->GetPoolBlock();
    if (p->GetTypeCode() != FKT_TYPE_MESSAGE || !pPool || !pPool[_MSG_POOL_ACTIVE]) continue;
    pPool[_MSG_POOL_ACKNOWLEDGE] = 1;
  }
  if (APP_hMenuEvent) OS_EventSet(APP_hMenuEvent);
  UI_PendingMessage = 1;
}

void _OnRelease(WM_HWIN hWin, int x) {
  if (UI_hEntryDialog || WM_IsVisible(UI_hContentWin) || UI_PointerMoved()) return;
  uint32_t Node = _Node(hWin);
  uint32_t NodeBits = Node << 24;
  int MenuLayout = WM_IsVisible(UI_hBackgroundWin);
  UI_MenuStack* pStack = &UI_MenuStackInstance;
  if (x < _X_MESSAGE) {
    if (MenuLayout && UI_NodeStatus.NumIndicators) pStack->Open(NodeBits | 0x45800, 0);
  } else if (x < _X_SECOND) {
    if ((UI_NodeStatus.Flags & 1) && OBJ_IsOwnNode(int(Node))) _AcknowledgeMessages();
  } else if (x < _X_CLOCK) {
    if (MenuLayout) {
      WM_HWIN hParent = WM_GetParent(hWin);
      pStack->Open(NodeBits | 0x65800, WM_GetWindowPosY(hParent) - WM_GetWindowPosY(WM_GetParent(hParent)));
    }
  } else if (MenuLayout) {
    pStack->Open(NodeBits | 0xD5800, 0);
  } else {
    pStack->Show(NodeBits | 0xD5800, 0);
  }
}

}  // namespace

void UI_DecodeNodeStatus(const uint8_t* pAnswer, int n, UI_NODE_STATUS* s) {
  uint8_t a[UI_NODE_STATUS_SIZE] = {};
  if (n > UI_NODE_STATUS_SIZE) n = UI_NODE_STATUS_SIZE;
  if (pAnswer && n > 0) memcpy(a, pAnswer, size_t(n));
  memset(s, 0, sizeof(*s));
  for (int i = 7; i >= 0; i--) s->Seconds = s->Seconds << 8 | a[i];
  s->Flags = a[8];
  s->NumIndicators = a[9] > UI_MAX_INDICATORS ? uint8_t(UI_MAX_INDICATORS) : a[9];
  memcpy(s->aIndicator, a + 10, s->NumIndicators);
  if (s->Seconds) {
    SYS_TM tm;
    OS_LocalTimeMinusHour(s->Seconds, &tm);
    s->Min = tm.Min;
    s->Hour = tm.Hour;
    s->Day = tm.Day;
    s->Month = tm.Month;
    s->Year = tm.Year;
    s->WeekDay = SYS_DayOfWeek(tm.Day, tm.Month, tm.Year);
  }
}

void UI_TitleBarCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_CREATE: WM_CreateTimer(hWin, _TIMER_ID, 0); break;
    case WM_TIMER: {
      WM_HTIMER hTimer = WM_HTIMER(pMsg->Data.v);
      if (WM_GetTimerId(hTimer) != _TIMER_ID) break;
      WM_RestartTimer(hTimer, _Node(hWin) ? UI_TITLE_REFRESH_REMOTE_MS : UI_TITLE_REFRESH_OWN_MS);
      if (WM_IsVisible(hWin)) {
        WM_MESSAGE Msg = {};
        Msg.MsgId = UI_MSG_REFRESH;
        Msg.Data.v = 1;
        WM_SendMessage(hWin, &Msg);
      }
      break;
    }
    case UI_MSG_REFRESH: _Refresh(hWin); break;
    case WM_PAINT: _Paint(hWin); break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!pState) break;
      if (pState->Pressed) {
        WM_SetCapture(hWin, 1);
        break;
      }
      WM_ReleaseCapture();
      if (pState->x >= 0 && pState->x < WM_GetWindowSizeX(hWin) && pState->y >= 0 &&
          pState->y < WM_GetWindowSizeY(hWin))
        _OnRelease(hWin, pState->x);
      break;
    }
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default:
      if (pMsg->MsgId > WM_USER) break;
      WM_DefaultProc(pMsg);
  }
}
