// What the graph's source files share: the records of data objects and scales, which begin alike with
// their draw routine, delete routine and graph handle so that the graph paints and frees them without
// knowing their kind, and the geometry every drawing routine works from.
#pragma once
#include "GRAPH.h"

typedef void GRAPH_DRAW_FUNC(GUI_HMEM hThis, const GUI_RECT* pInvalid);
typedef void GRAPH_DELETE_FUNC(GUI_HMEM hThis);

// Tags of the objects, checked before a handle is trusted to be of the kind an operation expects.
constexpr U32 GRAPH_POINTS_ID = 0x47525050; // "GRPP"
constexpr U32 GRAPH_VALUES_ID = 0x47525656; // "GRVV"
constexpr U32 GRAPH_SCALE_ID = 0x47525353;  // "GRSS"

struct GRAPH_OBJ_HEAD {
  GRAPH_DRAW_FUNC* pfDraw;
  GRAPH_DELETE_FUNC* pfDelete; // null in scales
  WM_HWIN hGraph;
  U32 Tag;
};

// The part point and value series share.
struct GRAPH_DATA_OBJ {
  GRAPH_OBJ_HEAD Head;
  void (*pfOnAdd)(GRAPH_DATA_OBJ* pThis);
  I32 NumItems;
  I32 MaxNumItems;
  GUI_COLOR Color;
  I32 OffX; // point series only
  I32 OffY;
  GUI_HMEM hItems;
};

struct GRAPH_POINTS_OBJ {
  GRAPH_DATA_OBJ Data;
  I32 PointSize;
  U8 Flags; // bit 0 polyline, bit 1 marks
  U8 PenSize;
  U8 LineStyle;
  GRAPH_POINT_DRAW_FUNC* pfPointDraw;
};

struct GRAPH_VALUES_OBJ {
  GRAPH_DATA_OBJ Data;
  U8 Align;
  U8 Reverse;
};

struct GRAPH_SCALE_OBJ {
  GRAPH_OBJ_HEAD Head;
  GUI_COLOR TextColor;
  const GUI_FONT* pFont;
  I32 Pos;
  I32 TextAlign;
  I32 TickDist;
  I32 Off;
  U16 Flags;
  float Factor;
  I32 NumDecs;
};

extern const WIDGET_TYPE GRAPH__Type;

// Geometry of a graph in window coordinates: the inside rectangle (less visible scroll bars), the data area
// (inside less the borders) and the frame-effect width.
struct GRAPH_GEOMETRY {
  GUI_RECT Inside;
  GUI_RECT Data;
  int EffectSize;
};
void GRAPH__GetGeometry(WM_HWIN hGraph, GRAPH_GEOMETRY* pGeo);
// The graph record behind a live graph handle, or null (no error text: objects keep stale graph handles).
GRAPH_OBJ* GRAPH__Obj(WM_HWIN hGraph);
void GRAPH__InvalidateGraph(WM_HWIN hGraph);
void GRAPH__InvalidateDataArea(WM_HWIN hGraph);
void GRAPH__RecalcScrollState(WM_HWIN hGraph);
// Paints the graph: background, user stages, grid, borders, data objects, scales.
void GRAPH__Paint(WM_HWIN hObj, const GUI_RECT* pInvalid);
// The record of an object handle when it carries the tag (null otherwise, with an error text for a wrong
// kind). Valid until the next allocation.
void* GRAPH__GetObj(GUI_HMEM h, U32 Tag, const char* pFunc);
// Items of a series: allocation with the first items copied (keeping the newest that fit), and appending,
// which drops the oldest item once the buffer is full.
GUI_HMEM GRAPH__CreateData(U32 Tag, int ObjSize, int ItemSize, GUI_COLOR Color, int MaxNumItems, const void* pItems,
                           int NumItems);
void GRAPH__AddItem(GUI_HMEM hData, U32 Tag, const void* pItem, int ItemSize, const char* pFunc);
void GRAPH__DeleteData(GUI_HMEM hData, U32 Tag, const char* pFunc);
// Runs f on the record of a data object or scale and invalidates its graph when f reports a change.
template <class OBJ, class F> void GRAPH__ChangeObj(GUI_HMEM h, U32 Tag, const char* pFunc, F f) {
  WM__LockGuard Lock;
  OBJ* p = (OBJ*)GRAPH__GetObj(h, Tag, pFunc);
  if (p && f(p)) {
    GRAPH__InvalidateGraph(((GRAPH_OBJ_HEAD*)p)->hGraph);
  }
}
// The smallest position of the repeating sequence Off + k * Dist that is at least Min (Dist > 0),
// computed without stepping, so that distant offsets cost nothing.
I64 GRAPH__FirstAtLeast(I64 Off, I64 Dist, I64 Min);
// Whether an origin lies close enough for items of 16 bits around it to reach the 16-bit screen; origins
// further away are not drawn from, so that no coordinate overflows.
inline bool GRAPH__IsNear(I64 v) {
  return v >= -0x10000 && v <= 0x10000;
}
