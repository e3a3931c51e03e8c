// Library-internal: the GIF decoder's context, its block reader and its LZW decoder.
#pragma once

#include "GUI_GIF.h"
#include "GUI_ImageRead.h"

enum { GUI_GIF__MAX_SCREEN = 2000, GUI_GIF__MAX_CODES = 4096 };

// What the graphic control extension in front of an image says.
struct GUI_GIF__CONTROL {
  int Disposal;
  int TransIndex;  // -1: none
  int Delay;
};

struct GUI_GIF__IMAGE {
  int xPos, yPos, xSize, ySize;
  int Interlaced;
  int NumColors;  // of the colour table the image uses
};

struct GUI_GIF__CONTEXT {
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  U32 Off;
  int xSize, ySize;  // logical screen
  // Data sub-blocks and the bits taken from them (least significant first).
  U8 aBlock[255];
  int BlockLen, BlockPos;
  U32 Bits;
  int NumBits;
  int LastBlock;  // the terminating empty sub-block was read
  // LZW state.
  int RootSize, Width, Clear, End, Next, Limit, Prev, First;
  U16 aPrefix[GUI_GIF__MAX_CODES];
  U8 aSuffix[GUI_GIF__MAX_CODES];
  U16 aLength[GUI_GIF__MAX_CODES];  // pixels of each code's string
  U8 aStack[GUI_GIF__MAX_CODES + 1];  // a string is never longer than the table
  int NumStack;
  int EndSeen;  // the end code was read
  int Bad;      // the data did not fit: code beyond the table, stack full, data ended
  // Colour tables: the global one and the one of the image being drawn.
  GUI_COLOR aGlobal[256];
  int NumGlobal;
  GUI_COLOR aColor[256];
};

// Reads exactly n bytes at the reading offset and advances it. 0 done, 1 failed.
int GUI_GIF__Read(GUI_GIF__CONTEXT* p, void* pDest, unsigned n);
// Reads and checks the signature and the logical screen descriptor with the global colour table.
int GUI_GIF__ReadHeader(GUI_GIF__CONTEXT* p);
// Passes over data sub-blocks up to and including the terminator.
int GUI_GIF__SkipSubBlocks(GUI_GIF__CONTEXT* p);

// Walks the blocks behind the header. At each image the visitor gets the image (its colour table read into
// the context), the control extension in front of it and its number; it returns 0 to go on (the image's data
// are then passed over unless it read them, telling so through *pConsumed), 1 to stop with result 0, 2 to stop
// with result 1. Comments go to pfComment when given (it may read their sub-blocks; same answers). The walk
// ends with result 0 at the trailer or any other unknown block, 1 on a bad file.
struct GUI_GIF__VISITOR {
  int (*pfImage)(void* pUser, GUI_GIF__CONTEXT* p, const GUI_GIF__IMAGE* pImage, const GUI_GIF__CONTROL* pControl,
                 int Index, int* pConsumed);
  int (*pfComment)(void* pUser, GUI_GIF__CONTEXT* p, int Index, int* pConsumed);
  void* pUser;
  int TrailerSeen;
};
int GUI_GIF__Walk(GUI_GIF__CONTEXT* p, GUI_GIF__VISITOR* pVisitor);

// LZW: starts on the code-size byte that opens an image's data (0 done, 1 bad size or read); then delivers up
// to n pixels. Returns the number delivered: fewer than n after the end code, or on bad data (Bad is set).
int GUI_GIF__StartLZW(GUI_GIF__CONTEXT* p);
int GUI_GIF__DecodePixels(GUI_GIF__CONTEXT* p, U8* pDest, int n);
// Reads what is left of the image's sub-blocks up to the terminator.
int GUI_GIF__FinishImage(GUI_GIF__CONTEXT* p);

// A context for a call: memory (zero-filled) of the GUI heap, or none. Release with GUI_GIF__Free.
GUI_GIF__CONTEXT* GUI_GIF__Alloc(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_HMEM* phMem);
void GUI_GIF__Free(GUI_HMEM* phMem);
