// The prerendered pictures of the screens: 116 fixed memory devices (16 bits per pixel for opaque pictures, 32
// bits with transparency), created once at start-up, rendered once (design-independent pictures) and again when
// the branding, the design or the handedness changes. Screens only copy them:
//   UI_DrawCached(UI_hMemdevKey, x, y);     // at x, y of the selected window
//   GUI_MEMDEV_WriteAt(h, x, y);             // at screen x, y (the device's origin with GUI_POS_AUTO)
// Handles are 0 until UI_CreateGraphicsCache ran (or when the heap was too small); copying handle 0 does
// nothing.
#pragma once

#include "GUI.h"

//
// Backgrounds, title strips, panel and dialog pictures
//
extern GUI_HMEM UI_hMemdevPageBg;          // 480x272 page background (branding or built-in picture)
extern GUI_HMEM UI_hMemdevDesignBg;        // 480x272 background of the overview layout (design picture or page)
extern GUI_HMEM UI_hMemdevContentBg;       // 480x242 content area under the title strip
extern GUI_HMEM UI_hMemdevTitleStrip;      // 480x30 title bar of the menu layout
extern GUI_HMEM UI_hMemdevTitleDesign;     // 480x30 title bar over a design
extern GUI_HMEM UI_hMemdevPageHeader;      // 430x46, origin (dx, 30)
extern GUI_HMEM UI_hMemdevPanel;           // 410x232, 32 bpp, origin (dx + 16, 40)
extern GUI_HMEM UI_hMemdevPanelInner;      // 378x210, origin (dx + 25, 44)
extern GUI_HMEM UI_hMemdevPanelFooter;     // 378x34, origin (dx + 25, 220)
extern GUI_HMEM UI_hMemdevDialogBg;        // 412x224, origin (dx + 10, 40)
extern GUI_HMEM UI_hMemdevDialogBgDesign;  // 412x224, origin (10, 25) in the design layout, else (10, 40)

//
// Bars, buttons, tabs (rendered in every colour scheme; copied by no screen yet)
//
enum {
  UI_BAR_GREEN, UI_BAR_GREEN_RED, UI_BAR_BLUE, UI_BAR_BLUE_RED, UI_BAR_ORANGE, UI_BAR_LIGHT,  // schemes
  UI_NUM_BAR44 = 10, UI_NUM_BAR65 = 3, UI_NUM_BAR80 = 6,
};
extern GUI_HMEM UI_ahMemdevBar44[UI_NUM_BAR44];  // 370x44: the six schemes, then green, blue, orange, light
                                                  // with a small round button at (255, 5)
extern GUI_HMEM UI_ahMemdevBar65[UI_NUM_BAR65];  // 370x65: green, blue, light
extern GUI_HMEM UI_ahMemdevBar80[UI_NUM_BAR80];  // 370x80: the six schemes
extern GUI_HMEM UI_ahMemdevHalfBar[2];           // 186x44: green, blue
extern GUI_HMEM UI_hMemdevOrangeTop;             // 362x4, origin (4, 0)   slices of the orange bar
extern GUI_HMEM UI_hMemdevOrangeUpper;           // 370x17, origin (0, 4)
extern GUI_HMEM UI_hMemdevOrangeLower;           // 370x19, origin (0, 21)
extern GUI_HMEM UI_hMemdevOrangeBottom;          // 362x5, origin (4, 39)
extern GUI_HMEM UI_hMemdevOrangeSides;           // 370x18
extern GUI_HMEM UI_ahMemdevOrangeHalf[2];        // 370x21, two shades
extern GUI_HMEM UI_ahMemdevOrangeEnd[2];         // 43x43, origin (327, 0): bar end with an icon
extern GUI_HMEM UI_ahMemdevHalfButton[2];        // 185x41: rounded button, picture
enum { UI_NUM_TILES = 13 };
extern GUI_HMEM UI_ahMemdevTile[UI_NUM_TILES];   // 180x40 menu tiles, symbol 1..13 at index 0..12
extern GUI_HMEM UI_ahMemdevRoundButton[4];       // 32 bpp: 110x34, 85x40, 108x34, 108x55
extern GUI_HMEM UI_hMemdevButtonBlue;            // 180x32, 32 bpp
extern GUI_HMEM UI_hMemdevButtonGrey;            // 180x32, 32 bpp
extern GUI_HMEM UI_hMemdevButtonLight;           // 100x37, 32 bpp
extern GUI_HMEM UI_ahMemdevTabSingle[2];         // 250x32: grey, blue
enum { UI_TAB_LEFT, UI_TAB_MIDDLE, UI_TAB_RIGHT };
extern GUI_HMEM UI_ahMemdevTabSeg41[3];          // 5x41 segments left, middle, right
extern GUI_HMEM UI_ahMemdevTabSeg31[3][3];       // 5x31 segments [scheme grey, blue, green][left, middle, right]
extern GUI_HMEM UI_ahMemdevTabHead[3];           // 45x35 tab heads: grey, light blue, green

//
// Side-button icons: 40x42, 32 bpp, drawn at 8,27 of the button; origins follow the handedness (x 438 or 8,
// y page-area top + 42 for the home button's, + 157 for the back button's).
//
enum {
  UI_ICON_HOME,          // home of a root menu (UI_hMemdevIcon40x42)
  UI_ICON_UP,            // home button on a submenu
  UI_ICON_HOME_LOCKED,
  UI_ICON_BACK,
  UI_ICON_ROOT_BACK,     // back on a root menu (to the network page)
  UI_ICON_NETWORK_BACK,  // back on the network page
  UI_ICON_NO_BACK,       // overview page without history
  UI_ICON_INACTIVE,
  UI_ICON_BACK_LOCKED,
  UI_NUM_SIDE_ICONS,
  UI_NUM_HOME_ICONS = 3,  // the first three belong to the home button
};
extern GUI_HMEM UI_ahMemdevSideIcon[UI_NUM_SIDE_ICONS];
#define UI_hMemdevIcon40x42 (UI_ahMemdevSideIcon[UI_ICON_HOME])
extern GUI_HMEM UI_ahMemdevIcon33[2];   // 33x33, 32 bpp: footer icon, spare (the "next" sign turned by 210 degrees)
extern GUI_HMEM UI_ahMemdevIcon25[2];   // 25x33, 32 bpp
extern GUI_HMEM UI_ahMemdevSquare[2];   // 30x30, origin (0, 6): orange gradient squares with an icon
extern GUI_HMEM UI_hMemdevIcon24;       // 24x24 one-bit patterns (UI_RenderIcon24)
extern GUI_HMEM UI_hMemdevIcon24b;

//
// Keys
//
extern GUI_HMEM UI_hMemdevKey, UI_hMemdevKeyDown, UI_hMemdevKeySelected;  // 36x31 keyboard keys
extern GUI_HMEM UI_hMemdevWideKey, UI_hMemdevWideKeyDown;                 // 56x31
extern GUI_HMEM UI_hMemdevSpaceKey, UI_hMemdevSpaceKeyDown;               // 178x31
extern GUI_HMEM UI_hMemdevLongKey, UI_hMemdevLongKeyDown;                 // 90x31
extern GUI_HMEM UI_ahMemdevKey40[3];                                      // 40x38 normal, pressed, selected
extern GUI_HMEM UI_hMemdevKey47, UI_hMemdevKey47Down;                     // 47x38 numeric keys
extern GUI_HMEM UI_hMemdevKey47Row, UI_hMemdevKey47RowDown;               // 47x31 numeric keys, one row
extern GUI_HMEM UI_ahMemdevTwoToneKey[3];                                 // 41x31 normal, pressed, selected

enum { UI_NUM_CACHED_PICTURES = 116 };

//
// Life cycle
//
// Creates the 116 devices (nothing drawn). Together they need about 3.3 MB, more than the default GUI heap: the
// pictures that screens copy come first, the others (bars, tab segments, spare buttons and keys, the content
// background) only while 512 KB stay free for the windows; their handles stay 0 otherwise. 0 when every picture
// that screens copy was made, 1 when one failed (the others are kept). Calling it again creates what is missing.
int UI_CreateGraphicsCache(void);
// Deletes them (tests and shutdown) and clears the handles.
void UI_DeleteGraphicsCache(void);
// Draws every design-independent picture (bars, tabs, buttons, keys, icons, tiles).
void UI_RenderWidgetGraphics(void);
// Draws the page background and the title strip from the branding, or the built-in pictures without one.
void DSG_ApplyBranding(void);
// Draws the layout-dependent pictures and places the main windows: Left 1 = side buttons on the left.
void UI_RenderDesignGraphics(int Left);
extern int UI_LeftHanded;  // the handedness the design pictures were last rendered for
// The start-up sequence of all four (the main task's design step): 0 done, 1 when the cache is incomplete.
int UI_LoadGraphics(void);
// A 24x24 device filled white with black pixels from a 72-byte one-bit pattern (rows from the bottom row 23
// up to row 0, 24 bits a row, least significant bit first).
void UI_RenderIcon24(GUI_HMEM hMem, const U8* pPattern);

// Copies a cached picture to x, y of the selected window (blending 32-bit pictures); handle 0 is ignored.
void UI_DrawCached(GUI_HMEM hMem, int x, int y);
// The same at the device's own origin, in screen coordinates.
void UI_DrawCachedAtOrigin(GUI_HMEM hMem);

//
// Further built-in pictures of the main screen (not prerendered: drawn straight from their streamed bitmaps)
//
enum {
  UI_PICTURE_SIDE_BUTTON,       // 60x90 side-button face
  UI_PICTURE_SIDE_BUTTON_DARK,  // 60x90, while start-up runs or the button is inactive
  UI_PICTURE_MESSAGE,           // 22x22 title-bar message indicator (at 283,3)
  UI_PICTURE_BUS,               // 22x22 title-bar second indicator (at 308,3)
  UI_PICTURE_INDICATOR_MARK,    // 9x3 small picture under a numbered indicator
  UI_PICTURE_TAB_SELECTED,      // 33x37 selected panel tab
  UI_PICTURE_BUSY,              // 32x32 busy indicator (the sprite's picture)
  UI_NUM_PUBLIC_PICTURES
};
void UI_DrawPicture(int Picture, int x, int y);  // at x, y of the selected window; unknown numbers: nothing
const void* UI_GetPicture(int Picture);          // the streamed bitmap, null for unknown numbers
void UI_DrawTabSymbol(int Tab, int x, int y);    // 27x27 symbol of panel tab 1, 3 and 4, 5, 7, 8, 10; others none

//
// Branding and design, as the file readers hand them over (all optional; null pointers: not loaded).
//
// Branding pictures are streamed bitmaps read from the file; they are read only within their sizes, and a
// picture that cannot be drawn whole gives way to the built-in one.
struct UI_BRANDING {
  const U8* pBackground;  // part 1: streamed bitmap drawn at 0,0 (null or empty: the built-in background)
  U32 BackgroundSize;
  const U8* pLogo;        // part 2: streamed bitmap of the logo (null or empty: the built-in logo)
  U32 LogoSize;
  int LogoMode;           // 1 no logo, 2 part 2 at LogoX, LogoY, other values the built-in logo at (-103, -10)
  int LogoX, LogoY;
};
extern const UI_BRANDING* DSG_pBranding;  // null: no branding loaded

// The design layout and the design picture come from UI_IsDesignLayout and UI_DesignHooks (UI_Background.h).
// The main screen installs how its windows follow the handedness: the child screens to (dx, PageTop), the home
// button to (430 or -10, PageTop + 15), the back button to (430 or -10, PageTop + 130), UI_hPanel to
// (16 + dx, PageTop + 10), the overview window to (0, 0) 480x272 in the design layout, else (0, 30) 430x242.
struct UI_GFX_HOOKS {
  void (*pfPlaceWindows)(int Left, int PageTop);  // null: the windows stay where they are
};
extern UI_GFX_HOOKS UI_GfxHooks;
