// CHOOSEFILE: a non-modal dialog for browsing folders and picking a file. It never touches a file system:
// the caller's get-data routine describes one directory entry per call ("first", then "next") in the
// caller's CHOOSEFILE_INFO. The entries show in a sortable list view (name, size, type, attributes); a
// drop-down picks the root, a button goes up one level, a double click or Enter enters a folder, and OK or
// Cancel end the dialog. The chosen path is left in the record and announced to the parent.
#pragma once
#include "WIDGET_Type.h"
#include "WM_Tooltip.h"

constexpr int CHOOSEFILE_ID_OK = 1;
constexpr int CHOOSEFILE_ID_CANCEL = 2;
constexpr int CHOOSEFILE_ID_UP = 0x170;
constexpr int CHOOSEFILE_ID_ROOTS = 0x180;
constexpr int CHOOSEFILE_ID_LIST = 0x200;

// Commands to the get-data routine.
constexpr int CHOOSEFILE_FINDFIRST = 0;
constexpr int CHOOSEFILE_FINDNEXT = 1;
constexpr U32 CHOOSEFILE_FLAG_DIRECTORY = 1;

// Button indexes of the text setters.
constexpr int CHOOSEFILE_BI_CANCEL = 0;
constexpr int CHOOSEFILE_BI_OK = 1;
constexpr int CHOOSEFILE_BI_UP = 2;

constexpr int CHOOSEFILE_MAXLEN = 256; // the path buffer, with its 0

struct CHOOSEFILE_INFO {
  I32 Cmd;             // set before each call: CHOOSEFILE_FINDFIRST or CHOOSEFILE_FINDNEXT
  I32 Id;              // set at the end: 1 confirmed, 2 cancelled
  const char* pName;   // set by the routine
  const char* pExt;    // set by the routine; leading dots are skipped
  const char* pAttrib; // set by the routine
  U32 SizeL, SizeH;    // entry size, low and high 32 bits
  U32 Flags;           // CHOOSEFILE_FLAG_DIRECTORY for a folder
  char pRoot[CHOOSEFILE_MAXLEN]; // the current path; the chosen file's full path at confirmation
  // Answers 0 when it described an entry, non-zero when there is none (end of the folder or a failure).
  int (*pfGetData)(CHOOSEFILE_INFO* pInfo);
};

// Creates the dialog; 0 without a record or routine, without roots, with a root (and its delimiter) longer
// than the path buffer, or when a window cannot be made. Size and position as the colour chooser.
WM_HWIN CHOOSEFILE_Create(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, const char* const* apRoot,
                          int NumRoot, int SelRoot, const char* sCaption, int Flags, CHOOSEFILE_INFO* pInfo);
void CHOOSEFILE_SetButtonText(WM_HWIN hFrame, unsigned Index, const char* pText); // text instead of its image
void CHOOSEFILE_SetDefaultButtonText(unsigned Index, const char* pText);         // copied; null: the image
char CHOOSEFILE_SetDelim(char Delim);                                            // -> the previous one
// The tooltip table is kept, not copied (null: the built-in table); dialogs created later use it.
void CHOOSEFILE_SetToolTips(const TOOLTIP_INFO* pTable, int NumItems);
void CHOOSEFILE_SetTopMode(int OnOff); // later layouts put the controls at the top (1) or the bottom (0)
void CHOOSEFILE_EnableToolTips(int OnOff); // dialogs created afterwards show tooltips (off at start)

// What the dialog's source files share.
struct CHOOSEFILE_CONTEXT {
  U32 Tag;
  CHOOSEFILE_INFO* pInfo;
  GUI_HMEM hToolTip;
  GUI_HMEM hTimer;  // double-click timer
  I32 ClickRow;     // the row of the first click
  I32 Released;     // the first click was released
  I32 Ended;
  U8 HasImage[3];   // by button index
};
constexpr U32 CHOOSEFILE_TAG = 0x43484346; // "CHCF"
extern char CHOOSEFILE__Delim;
extern int CHOOSEFILE__TopMode;
bool CHOOSEFILE__GetContext(WM_HWIN hFrame, CHOOSEFILE_CONTEXT* pContext);
WM_HWIN CHOOSEFILE__Item(WM_HWIN hFrame, int Id);
void CHOOSEFILE__Layout(WM_HWIN hFrame);
void CHOOSEFILE__SetImages(WM_HWIN hButton, int Index);
// Size texts ("1.205 K"; empty for 0; "???" beyond what the units show) and their comparison for sorting:
// -1 when the first is larger, 1 when smaller.
void CHOOSEFILE__SizeText(U32 SizeL, U32 SizeH, char* pBuffer, int MaxLen);
int CHOOSEFILE__CompareSize(const void* p0, const void* p1);
// Path steps inside a buffer of CHOOSEFILE_MAXLEN; each answers whether it changed the path. Nothing is
// appended unless all of it fits.
bool CHOOSEFILE__Up(char* pRoot, char Delim);
bool CHOOSEFILE__Append(char* pRoot, const char* pName, const char* pSep, const char* pExt);
