// Translation of the PC keyboard into the GUI library's key messages, and the width of a fixed-point value text.
#include "PLAT_Window.h"
#include "SIM.h"
#include "SIM_Bridge.h"

typedef struct {
  uint32_t VirtKey;
  int Key;
} KEY_ENTRY;

// Searched in this order.
static const KEY_ENTRY _aKeyTable[] = {
    {PLAT_VK_UP, 17},   {PLAT_VK_DOWN, 19},    {PLAT_VK_RIGHT, 18},  {PLAT_VK_LEFT, 16},
    {PLAT_VK_HOME, 23}, {PLAT_VK_END, 24},     {PLAT_VK_SHIFT, 25},  {PLAT_VK_CONTROL, 26},
    {PLAT_VK_BACKSPACE, 8},  {PLAT_VK_INSERT, 29},  {PLAT_VK_DELETE, 30},
};

// The character that the key gives in the current layout; the virtual key itself when it gives none or two.
static int _VirtKey2Char(uint32_t VirtKey) {
  char acChars[4];
  int NumChars = PLAT_GetKeyChars(acChars, sizeof(acChars));
  int Key = NumChars == 1 ? uint8_t(acChars[0]) : int(VirtKey & 0xFFFF);
  if (Key == 9 && PLAT_IsKeyDown(PLAT_VK_SHIFT)) Key = 10;  // Shift+Tab moves the focus backwards
  return Key;
}

void SIM_HandleKeyMsg(uint32_t Msg, uintptr_t wParam) {
  int Pressed;
  if (Msg == PLAT_MSG_KEYDOWN) Pressed = 1;
  else if (Msg == PLAT_MSG_KEYUP) Pressed = 0;
  else return;
  uint32_t VirtKey = uint32_t(wParam);
  if ((VirtKey & 0xFFFF) == PLAT_VK_CONTROL || (VirtKey & 0xFFFF) == PLAT_VK_ALT) return;
  int Key = 0;
  bool Found = false;
  for (const KEY_ENTRY& Entry : _aKeyTable) {
    if (Entry.VirtKey == VirtKey) {
      Key = Entry.Key;
      Found = true;
      break;
    }
  }
  if (!Found) Key = _VirtKey2Char(VirtKey);
  if (Key) SIM__GuiStoreKeyMsg(Key, Pressed);
}

static int _NumDigits(int32_t v) {
  uint32_t u = v < 0 ? 0u - uint32_t(v) : uint32_t(v);
  int n = 1;
  while (u >= 10) {
    u /= 10;
    n++;
  }
  return n;
}

int SIM__GetValueTextWidth(uint8_t Decimals, int32_t Value) {
  int Dec = Decimals;
  int Width;
  if (Value < 0) {
    Width = _NumDigits(Value) + 1;
    if (Width < Dec + 2) Width = Dec + 2;
  } else {
    Width = _NumDigits(Value);
    if (Width < Dec + 1) Width = Dec + 1;
  }
  if (Dec >= 1) Width++;
  return Width;
}
