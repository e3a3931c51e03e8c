// Windows with procedures and messages, timers, painting, input, drops, message boxes and the message loop.
// The host above this layer sees plain records and routine pointers; how windows are made is hidden here.
// Every routine runs on the main thread, except PLAT_PostMessage, PLAT_PostCall and PLAT_PostQuit.
#pragma once
#include <cstddef>
#include <cstdint>

struct PLAT_WINDOW;
typedef PLAT_WINDOW* PLAT_HWIN;
struct PLAT_PAINTER;
typedef PLAT_PAINTER* PLAT_HPAINT;

// A window procedure answers every message of its window; PLAT_DefaultProc does the default processing.
typedef intptr_t (*PLAT_WINPROC)(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam);

enum : uint32_t {
  PLAT_MSG_CREATE = 1,     // after the window exists, before it is shown
  PLAT_MSG_DESTROY,        // the window is going away (children after their parent)
  PLAT_MSG_SIZE,           // client size changed: lParam = width | height << 16
  PLAT_MSG_PAINT,          // paint now: wParam 1 when erasing was asked; use PLAT_BeginPaint
  PLAT_MSG_CLOSE,          // the user closes a top-level window; default: destroy it
  PLAT_MSG_TIMER,          // wParam = timer id
  PLAT_MSG_KEYDOWN,        // wParam = virtual key (PLAT_VK_...), lParam bit 29 = Alt held
  PLAT_MSG_KEYUP,          // likewise
  PLAT_MSG_MOUSEMOVE,      // mouse messages: wParam = PLAT_BTN_... buttons, lParam = x (signed low 16) | y << 16
  PLAT_MSG_LEFTDOWN,
  PLAT_MSG_LEFTUP,
  PLAT_MSG_LEFTDOUBLE,
  PLAT_MSG_RIGHTDOWN,
  PLAT_MSG_RIGHTUP,
  PLAT_MSG_MIDDLEDOWN,
  PLAT_MSG_MIDDLEUP,
  PLAT_MSG_EXTRADOWN,    // extra buttons: wParam holds PLAT_BTN_EXTRA1 / PLAT_BTN_EXTRA2
  PLAT_MSG_EXTRAUP,
  PLAT_MSG_WHEEL,     // wParam high 16 bits: signed wheel delta (120 per notch)
  PLAT_MSG_DROP,      // wParam = number of files, lParam = const char* const* paths (valid during the call)
  PLAT_MSG_COMMAND,        // wParam = command id (menus and accelerators)
  PLAT_MSG_INITMENU,       // a menu of the window is about to open
  PLAT_MSG_USER = 0x400,
  PLAT_MSG_APP = 0x8000,   // private messages of the host start here
};

enum : uint32_t {
  PLAT_BTN_LEFT = 0x01,
  PLAT_BTN_RIGHT = 0x02,
  PLAT_BTN_SHIFT = 0x04,
  PLAT_BTN_CONTROL = 0x08,
  PLAT_BTN_MIDDLE = 0x10,
  PLAT_BTN_EXTRA1 = 0x20,
  PLAT_BTN_EXTRA2 = 0x40,
};

// Window styles.
enum : uint32_t {
  PLAT_STYLE_VISIBLE = 0x01,
  PLAT_STYLE_CHILD = 0x02,       // lies inside hParent at x, y
  PLAT_STYLE_FRAME = 0x04,       // top-level window with a caption and a sizing frame
  PLAT_STYLE_POPUP = 0x08,       // top-level window without decoration
  PLAT_STYLE_ACCEPTFILES = 0x10, // receives PLAT_MSG_DROP
  PLAT_STYLE_DOUBLECLICKS = 0x20,     // receives PLAT_MSG_LEFTDOUBLE
  PLAT_STYLE_CAPTION = 0x40,     // with PLAT_STYLE_CHILD: a frame inside hParent with a caption, a close box and
                                 // a sizing border; x, y, xSize, ySize give its outer rectangle
  PLAT_STYLE_TOOL = 0x80,        // top-level: a small window of fixed size that stays above the others
};

enum : int { PLAT_DEFAULT_POS = -0x7FFF };

struct PLAT_CREATE {
  const char* pClass;   // class name: lets PLAT_FindChild find the window
  const char* pTitle;
  PLAT_WINPROC pfProc;  // 0: default processing only
  PLAT_HWIN hParent;    // 0 for a top-level window
  int x, y, xSize, ySize;  // client size; top-level x or y PLAT_DEFAULT_POS lets the desktop place it
  uint32_t Style;
  uint32_t BkColor;     // 0xRRGGBB; painted before PLAT_MSG_PAINT when erasing
  intptr_t UserData;
};

// Life.
int PLAT_Init(int* pArgc, char** argv);  // makes the application object once; 0 on success
PLAT_HWIN PLAT_CreateWindow(const PLAT_CREATE* pCreate);
void PLAT_DestroyWindow(PLAT_HWIN hWin);
int PLAT_IsWindow(PLAT_HWIN hWin);
intptr_t PLAT_DefaultProc(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam);
intptr_t PLAT_SendMessage(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam);

// Any thread: queued for the main thread; dropped when the window is gone by then.
int PLAT_PostMessage(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam);  // 0 posted
int PLAT_PostCall(void (*pfCall)(void* p), void* p);  // 0 posted; 1 when nothing runs the loop
void PLAT_PostQuit(int ExitCode);

int PLAT_RunLoop(void);              // until PLAT_PostQuit; returns its exit code
void PLAT_ProcessEvents(void);       // handles what is pending now (tests)

// Properties.
intptr_t PLAT_GetUserData(PLAT_HWIN hWin);
void PLAT_SetUserData(PLAT_HWIN hWin, intptr_t Data);
const char* PLAT_GetClassName(PLAT_HWIN hWin);
void PLAT_SetWindowText(PLAT_HWIN hWin, const char* s);
int PLAT_GetWindowText(PLAT_HWIN hWin, char* pBuffer, int BufferSize);
void PLAT_GetClientSize(PLAT_HWIN hWin, int* pxSize, int* pySize);
void PLAT_GetWindowRect(PLAT_HWIN hWin, int* px, int* py, int* pxSize, int* pySize);  // parent coordinates
void PLAT_MoveWindow(PLAT_HWIN hWin, int x, int y, int xSize, int ySize);
void PLAT_SetClientSize(PLAT_HWIN hWin, int xSize, int ySize);
void PLAT_ShowWindow(PLAT_HWIN hWin, int OnOff);
int PLAT_IsWindowVisible(PLAT_HWIN hWin);   // shown, and so are the windows it lies in
PLAT_HWIN PLAT_GetParent(PLAT_HWIN hWin);
PLAT_HWIN PLAT_FindChild(PLAT_HWIN hParent, const char* pClass, const char* pTitle);  // depth first
// A top-level window of that class and title (0 for either matches any); 0 when there is none.
PLAT_HWIN PLAT_FindWindow(const char* pClass, const char* pTitle);
// The direct children of a window, bottom of the stacking order first; returns their number (may exceed MaxNum).
int PLAT_GetChildren(PLAT_HWIN hParent, PLAT_HWIN* pahChild, int MaxNum);
void PLAT_RaiseWindow(PLAT_HWIN hWin);  // to the top of its siblings

// Sizes of the window decorations that the platform draws itself (child frames, dialogs), and the ones that
// the host assumes of the desktop's own (menu bar).
enum { PLAT_SM_CXFRAME, PLAT_SM_CYFRAME, PLAT_SM_CYCAPTION, PLAT_SM_CYMENUSIZE, PLAT_SM_CXDLGFRAME,
       PLAT_SM_CYDLGFRAME };
int PLAT_GetSystemMetric(int Index);

// Painting.
void PLAT_Invalidate(PLAT_HWIN hWin, int Erase);
PLAT_HPAINT PLAT_BeginPaint(PLAT_HWIN hWin);  // only while PLAT_MSG_PAINT is handled
void PLAT_EndPaint(PLAT_HWIN hWin, PLAT_HPAINT hdc);

// A device-independent bitmap: top-down lines of 8 (palette), 16 (5-6-5) or 32 (0x00RRGGBB) bits per pixel.
struct PLAT_DIB {
  const void* pBits;
  int xSize, ySize;
  int BytesPerLine;
  int BitsPerPixel;
  const uint32_t* pPalette;  // 8 bits per pixel: 256 entries 0xAARRGGBB (blue in the low byte)
};
// Copies the source rectangle of the bitmap into the destination rectangle, stretched pixel by pixel.
void PLAT_DrawDIB(PLAT_HPAINT hdc, int xDst, int yDst, int xSizeDst, int ySizeDst, const PLAT_DIB* pDib, int xSrc,
                  int ySrc, int xSizeSrc, int ySizeSrc);
void PLAT_FillRect(PLAT_HPAINT hdc, int x, int y, int xSize, int ySize, uint32_t Color);  // 0xRRGGBB
// Outside painting: one pixel (0xRRGGBB, client coordinates) straight onto what the window shows, over whatever
// its painting drew. It stays until the window is invalidated, as a repaint of the window draws over it.
void PLAT_SetPixel(PLAT_HWIN hWin, int x, int y, uint32_t Color);
void PLAT_SetTextColor(PLAT_HPAINT hdc, uint32_t Color);
void PLAT_DrawText(PLAT_HPAINT hdc, int x, int y, const char* s, int NumBytes);  // x, y: top left; UTF-8
int PLAT_GetTextWidth(PLAT_HPAINT hdc, const char* s, int NumBytes);
int PLAT_GetTextHeight(PLAT_HPAINT hdc, const char* s);

// Timers: PLAT_MSG_TIMER every Period ms until killed; setting an existing id restarts it.
void PLAT_SetTimer(PLAT_HWIN hWin, uint32_t Id, int Period);
void PLAT_KillTimer(PLAT_HWIN hWin, uint32_t Id);

// Mouse capture: moves and the release go to the capturing window even outside it.
void PLAT_SetCapture(PLAT_HWIN hWin);
void PLAT_ReleaseCapture(void);

// Keyboard: the characters that the key being handled produces in the current layout (0, 1 or 2), and
// whether a virtual key is held while it is handled.
int PLAT_GetKeyChars(char* pBuffer, int BufferSize);
int PLAT_IsKeyDown(uint32_t VirtKey);

// Accelerators: a table that turns key presses into PLAT_MSG_COMMAND for the window that got the key.
struct PLAT_ACCEL {
  uint32_t VirtKey;
  int Alt;        // 1: only with Alt held
  uint32_t Command;
};
void PLAT_SetAccelerators(const PLAT_ACCEL* pTable, int NumItems);

// Menus: a menu bar on a top-level window and popup menus. Commands arrive as PLAT_MSG_COMMAND.
struct PLAT_MENU;
typedef PLAT_MENU* PLAT_HMENU;
PLAT_HMENU PLAT_CreateMenu(void);
void PLAT_AppendMenu(PLAT_HMENU hMenu, const char* pText, uint32_t Command, const char* pShortcut);
void PLAT_AppendSubMenu(PLAT_HMENU hMenu, const char* pText, PLAT_HMENU hSub);
void PLAT_AppendSeparator(PLAT_HMENU hMenu);
void PLAT_EnableMenuItem(PLAT_HMENU hMenu, uint32_t Command, int OnOff);
int PLAT_IsMenuItemEnabled(PLAT_HMENU hMenu, uint32_t Command);   // 0 also when the command is not in the menu
void PLAT_SetMenuBar(PLAT_HWIN hWin, PLAT_HMENU hMenu);  // the window keeps the menu
void PLAT_ShowPopupMenu(PLAT_HMENU hMenu, PLAT_HWIN hTarget);  // at the cursor; commands to hTarget
struct PLAT_MENU_INFO {
  const char* pText;    // "" for a separator; valid while the menu is unchanged
  const char* pShortcut;
  uint32_t Command;     // 0 for a separator and a submenu
  PLAT_HMENU hSub;      // 0 unless the item opens a submenu
  int Separator;
};
int PLAT_GetMenuItem(PLAT_HMENU hMenu, int Index, PLAT_MENU_INFO* pInfo);  // 1 when there is no such item

// The picture that the desktop shows for the program's windows.
void PLAT_SetAppIcon(const PLAT_DIB* pDib);

// Message boxes and beeps.
enum { PLAT_BOX_PLAIN = 0, PLAT_BOX_ERROR = 0x10, PLAT_BOX_WARNING = 0x30, PLAT_BOX_INFO = 0x40 };
int PLAT_MessageBox(PLAT_HWIN hOwner, const char* pText, const char* pCaption, uint32_t Style);
// Tests: message boxes go to the hook instead of the screen (0: shown again); its result is the box's.
typedef int PLAT_MESSAGEBOX_HOOK(PLAT_HWIN hOwner, const char* pText, const char* pCaption, uint32_t Style);
void PLAT_SetMessageBoxHook(PLAT_MESSAGEBOX_HOOK* pfHook);
void PLAT_Beep(void);

// Virtual keys (the key table of the host is written in these codes).
enum : uint32_t {
  PLAT_VK_BACKSPACE = 0x08, PLAT_VK_TAB = 0x09, PLAT_VK_ENTER = 0x0D, PLAT_VK_SHIFT = 0x10, PLAT_VK_CONTROL = 0x11,
  PLAT_VK_ALT = 0x12, PLAT_VK_PAUSE = 0x13, PLAT_VK_ESCAPE = 0x1B, PLAT_VK_SPACE = 0x20, PLAT_VK_PAGEUP = 0x21,
  PLAT_VK_PAGEDOWN = 0x22, PLAT_VK_END = 0x23, PLAT_VK_HOME = 0x24, PLAT_VK_LEFT = 0x25, PLAT_VK_UP = 0x26,
  PLAT_VK_RIGHT = 0x27, PLAT_VK_DOWN = 0x28, PLAT_VK_INSERT = 0x2D, PLAT_VK_DELETE = 0x2E, PLAT_VK_F1 = 0x70,
  PLAT_VK_CAPSLOCK = 0x14, PLAT_VK_LWIN = 0x5B, PLAT_VK_RWIN = 0x5C, PLAT_VK_APPS = 0x5D, PLAT_VK_NUMLOCK = 0x90,
};

// Test support: feed input through the same path as real events, and grab what a window shows.
// A key: VirtKey names it, or, when 0, the one character of pText (UTF-8) that it types names it.
void PLAT_InjectKey(PLAT_HWIN hWin, uint32_t VirtKey, const char* pText, int Shift, int Pressed);
void PLAT_InjectMouse(PLAT_HWIN hWin, uint32_t Msg, int x, int y, uint32_t Buttons);  // wheel: delta << 16
// The same on the decorations of a child frame: x, y relative to its outer rectangle.
void PLAT_InjectFrameMouse(PLAT_HWIN hWin, uint32_t Msg, int x, int y, uint32_t Buttons);
void PLAT_InjectDrop(PLAT_HWIN hWin, const char* const* paPath, int NumPaths);
// Renders the window's client area into pDest (0xAARRGGBB, xSize * ySize); returns 0 on success.
int PLAT_GrabWindow(PLAT_HWIN hWin, uint32_t* pDest, int xSize, int ySize);

// Regions: sets of pixels made of rectangles, to give a window its outline (what lies outside is cut away).
struct PLAT_REGION;
typedef PLAT_REGION* PLAT_HREGION;
PLAT_HREGION PLAT_CreateRegion(int x0, int y0, int x1, int y1);  // x1, y1 exclusive
int PLAT_UniteRegion(PLAT_HREGION hDest, PLAT_HREGION hOther);        // union into hDest; 0 on success
void PLAT_MoveRegion(PLAT_HREGION hRegion, int dx, int dy);
void PLAT_DeleteRegion(PLAT_HREGION hRegion);
PLAT_HREGION PLAT_GetWindowShape(PLAT_HWIN hWin);                   // a copy, or 0 when the window has none
void PLAT_SetWindowShape(PLAT_HWIN hWin, PLAT_HREGION hRegion);        // the window keeps a copy; 0 removes it
int PLAT_RegionContains(PLAT_HREGION hRegion, int x, int y);

// Clipboard: puts a device-independent bitmap on it. 0 on success.
int PLAT_SetClipboardDIB(const PLAT_DIB* pDib);
