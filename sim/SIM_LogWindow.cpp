// The log: a text of at most 5,000 characters that loses its oldest lines first, written from any thread, and
// the "GUI LOG" window that shows its newest lines at the bottom, red parts marked by the character 0x01.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "SIM.h"
#include "SIM_Log.h"

enum { _MARKER = 0x01, _COLOR_RED = 0xFF0000, _COLOR_BLACK = 0x000000, _COLOR_BK = 0xFFFFFF };

static std::mutex _Mutex;
static std::string _Text;
static PLAT_HWIN _hLog;
static std::atomic<bool> _RepaintPosted;

// Makes room for NumNew characters: whole leading lines first; a log without a line break loses its oldest
// characters instead, so that the loop always ends.
static void _MakeRoom(size_t NumNew) {
  while (!_Text.empty() && _Text.size() + NumNew > LOG_MAX_CHARS) {
    size_t Pos = _Text.find('\n');
    if (Pos == std::string::npos) {
      size_t Excess = _Text.size() + NumNew - LOG_MAX_CHARS;
      _Text.erase(0, Excess < _Text.size() ? Excess : _Text.size());
    } else {
      _Text.erase(0, Pos + 1);
    }
  }
}

static void _Append(const char* s) {
  size_t n = strlen(s);
  if (n > LOG_MAX_CHARS) {  // a text longer than the whole log keeps its end
    s += n - LOG_MAX_CHARS;
    n = LOG_MAX_CHARS;
  }
  _MakeRoom(n);
  _Text.append(s, n);
}

static void _LogAddTime(void) {
  char acBuffer[32];
  snprintf(acBuffer, sizeof(acBuffer), "\n%d:   ", SIM_GetTime());
  _Append(acBuffer);
}

static void _LogSetRed(void) {
  const char acMarker[2] = {_MARKER, 0};
  _Append(acMarker);
}

static void _Repaint(void*) {
  _RepaintPosted = false;
  if (_hLog) PLAT_Invalidate(_hLog, 1);
}

void LOG_AddEntry(int Red, const char* s) {
  {
    std::lock_guard<std::mutex> Lock(_Mutex);
    _LogAddTime();
    if (Red) _LogSetRed();
    _Append(s ? s : "");
  }
  if (!_RepaintPosted.exchange(true) && PLAT_PostCall(_Repaint, nullptr)) _RepaintPosted = false;
}

void LOG_Clear(void) {
  {
    std::lock_guard<std::mutex> Lock(_Mutex);
    _Text.clear();
  }
  if (!_RepaintPosted.exchange(true) && PLAT_PostCall(_Repaint, nullptr)) _RepaintPosted = false;
}

int LOG_GetText(char* pBuffer, int BufferSize) {
  std::lock_guard<std::mutex> Lock(_Mutex);
  if (BufferSize > 0) {
    size_t n = std::min(_Text.size(), size_t(BufferSize - 1));
    memcpy(pBuffer, _Text.data(), n);
    pBuffer[n] = 0;
  }
  return int(_Text.size());
}

static void _Paint(PLAT_HWIN hWin) {
  std::string Text;
  {
    std::lock_guard<std::mutex> Lock(_Mutex);
    Text = _Text;
  }
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  if (!hdc) return;
  int xSize, ySize;
  PLAT_GetClientSize(hWin, &xSize, &ySize);
  PLAT_FillRect(hdc, 0, 0, xSize, ySize, _COLOR_BK);
  int LineHeight = PLAT_GetTextHeight(hdc, "@");
  size_t Pos = (!Text.empty() && Text[0] == '\n') ? 1 : 0;
  int NumLines = 1;
  for (size_t i = Pos; i < Text.size(); i++) NumLines += Text[i] == '\n';
  int x = 0;
  int y = ySize - NumLines * LineHeight;
  uint32_t Color = _COLOR_BLACK;
  while (Pos < Text.size()) {
    size_t End = Text.find_first_of("\n\x01", Pos);
    if (End == std::string::npos) End = Text.size();
    if (End > Pos && y + LineHeight > 0) {
      PLAT_SetTextColor(hdc, Color);
      PLAT_DrawText(hdc, x, y, Text.data() + Pos, int(End - Pos));
      x += PLAT_GetTextWidth(hdc, Text.data() + Pos, int(End - Pos));
    }
    Color = _COLOR_BLACK;
    if (End < Text.size()) {
      if (Text[End] == '\n') {
        x = 0;
        y += LineHeight;
      } else {
        Color = _COLOR_RED;
      }
    }
    Pos = End + 1;
  }
  PLAT_EndPaint(hWin, hdc);
}

static intptr_t _WndProcLog(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  switch (Msg) {
  case PLAT_MSG_DESTROY:
    if (_hLog == hWin) _hLog = nullptr;
    return 0;
  case PLAT_MSG_PAINT:
    _Paint(hWin);
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

PLAT_HWIN LOG_Create(PLAT_HWIN hParent, int x, int y, int xSize, int ySize) {
  PLAT_CREATE Create = {"GUI LOG", "LCD window", _WndProcLog, hParent, x, y, xSize, ySize,
                        PLAT_STYLE_CHILD | PLAT_STYLE_VISIBLE, _COLOR_BK, 0};
  _hLog = PLAT_CreateWindow(&Create);
  return _hLog;
}

PLAT_HWIN LOG_GetWindow(void) { return _hLog; }
