#include "WM_TestSupport.h"

#include <map>

namespace wmtest {

std::vector<std::string> Errors;
std::vector<std::string> Trace;
static std::map<WM_HWIN, std::string> _Names;

static void _ErrorOut(const char* s) {
  Errors.push_back(std::string("E:") + s);
}

static void _Warn(const char* s) {
  Errors.push_back(std::string("W:") + s);
}

static GUI_OS_API _OS = [] {
  GUI_OS_API api = {};
  api.pfErrorOut = _ErrorOut;
  api.pfWarn = _Warn;
  return api;
}();

void WmTest::SetUp() {
  Errors.clear();
  Trace.clear();
  _Names.clear();
  GUI_OS_SetAPI(&_OS);
  ASSERT_EQ(GUI_Init(), 0);
  WM_Init();
  // Keys stored by an earlier test outlive GUI_Exit in the core's key store.
  GUI_ClearKeyBuffer();
  while (GUI_GetKey()) {
  }
}

void WmTest::TearDown() {
  GUI_Exit();
  GUI_OS_SetAPI(nullptr);
}

std::string MsgName(int MsgId) {
  switch (MsgId) {
  case WM_CREATE: return "WM_CREATE";
  case WM_MOVE: return "WM_MOVE";
  case WM_SIZE: return "WM_SIZE";
  case WM_DELETE: return "WM_DELETE";
  case WM_POINTER_CHILD: return "WM_POINTER_CHILD";
  case WM_KEY: return "WM_KEY";
  case WM_PAINT: return "WM_PAINT";
  case WM_POINTER_HOVER: return "WM_POINTER_HOVER";
  case WM_POINTER_STATE_CHANGED: return "WM_POINTER_STATE_CHANGED";
  case WM_POINTER_HOVER_END: return "WM_POINTER_HOVER_END";
  case WM_CAPTURE_RELEASED: return "WM_CAPTURE_RELEASED";
  case WM_SET_FOCUS: return "WM_SET_FOCUS";
  case WM_CHILD_FOCUS_CHANGED: return "WM_CHILD_FOCUS_CHANGED";
  case WM_NOTIFY_PARENT: return "WM_NOTIFY_PARENT";
  case WM_NOTIFY_ENABLE: return "WM_NOTIFY_ENABLE";
  case WM_POINTER: return "WM_POINTER";
  case WM_WHEEL: return "WM_WHEEL";
  }
  return "MSG" + std::to_string(MsgId);
}

void SetName(WM_HWIN hWin, const std::string& Name) {
  _Names[hWin] = Name;
}

std::string Name(WM_HWIN hWin) {
  auto it = _Names.find(hWin);
  return it != _Names.end() ? it->second : (hWin ? "#" + std::to_string(hWin) : "0");
}

static std::string _State(const void* p) {
  if (!p) {
    return " null";
  }
  const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)p;
  return " " + std::to_string(s->x) + "," + std::to_string(s->y) + "," + std::to_string(s->Pressed);
}

void cbTrace(WM_MESSAGE* pMsg) {
  std::string t = Name(pMsg->hWin) + " " + MsgName(pMsg->MsgId);
  switch (pMsg->MsgId) {
  case WM_POINTER:
  case WM_POINTER_HOVER:
  case WM_POINTER_HOVER_END:
    t += _State(pMsg->Data.p);
    break;
  case WM_POINTER_STATE_CHANGED: {
    const WM_POINTER_STATE_CHANGE* c = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    t += " " + std::to_string(c->x) + "," + std::to_string(c->y) + "," + std::to_string(c->Pressed) + "<-" +
         std::to_string(c->PreviousPressed);
    break;
  }
  case WM_POINTER_CHILD: {
    const WM_MESSAGE* pChild = (const WM_MESSAGE*)pMsg->Data.p;
    t += " from " + Name(pMsg->hWinSrc) + " " + MsgName(pChild->MsgId);
    break;
  }
  case WM_KEY: {
    const GUI_KEY_MSG* k = (const GUI_KEY_MSG*)pMsg->Data.p;
    t += " " + std::to_string(k->Key) + "," + std::to_string(k->PressedCnt);
    break;
  }
  case WM_SET_FOCUS:
  case WM_WHEEL:
  case WM_NOTIFY_ENABLE:
    t += " " + std::to_string((long)pMsg->Data.v);
    break;
  case WM_NOTIFY_PARENT:
    t += " " + Name(pMsg->hWinSrc) + " " + std::to_string((long)pMsg->Data.v);
    break;
  case WM_CHILD_FOCUS_CHANGED: {
    const WM_FOCUS_CHANGE* f = (const WM_FOCUS_CHANGE*)pMsg->Data.p;
    t += " " + Name(f->hOld) + "->" + Name(f->hNew);
    break;
  }
  case WM_PAINT:
  case WM_PRE_PAINT:
  case WM_POST_PAINT:
  case WM_GET_ACCEPT_FOCUS:
  case WM_GET_ID:
  case WM_GET_BKCOLOR:
  case WM_GET_INSIDE_RECT:
  case WM_GET_CLIENT_WINDOW:
    WM_DefaultProc(pMsg);
    return;
  }
  Trace.push_back(t);
  WM_DefaultProc(pMsg);
}

void Pointer(int x, int y, int Pressed) {
  GUI_POINTER_STATE s = {};
  s.x = x;
  s.y = y;
  s.Pressed = (U8)Pressed;
  GUI_POINTER_StoreState(&s);
  WM_Exec();
}

unsigned PixelIndex(int x, int y) {
  const LCD_SIMDRV_BUFFER* b = LCD_SIMDRV_GetBuffer(0);
  const U8* p = (const U8*)b->pData + y * b->BytesPerLine + x * 2;
  return (unsigned)(p[0] | (p[1] << 8));
}

unsigned ColorIndex(GUI_COLOR Color) {
  GUI_Lock();
  unsigned i = LCD_Color2Index(Color);
  GUI_Unlock();
  return i;
}

} // namespace wmtest
