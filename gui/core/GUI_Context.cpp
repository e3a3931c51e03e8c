// The drawing context: defaults, saving and restoring, colours and attributes.
#include "GUI_Private.h"

#include <cstring>

const GUI_FONT* GUI__pDefaultFont = &GUI_Font13;

void GUI_SaveContext(GUI_CONTEXT* pContext) {
  if (pContext) {
    GUI_LockGuard Lock;
    *pContext = *GUI_pContext;
  }
}

void GUI_RestoreContext(const GUI_CONTEXT* pContext) {
  if (!pContext) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_CONTEXT* p = GUI_pContext;
  *p = *pContext;
  // The index pointers and the clip pointer belong to the context they were saved from; when they pointed
  // into it, they point into this one now.
  const U8* pFrom = reinterpret_cast<const U8*>(pContext);
  auto Rebase = [&](auto* pMember) {
    const U8* q = reinterpret_cast<const U8*>(pMember);
    if (q >= pFrom && q < pFrom + sizeof(GUI_CONTEXT)) {
      return reinterpret_cast<decltype(pMember)>(reinterpret_cast<U8*>(p) + (q - pFrom));
    }
    return pMember;
  };
  p->LCD_pBkColorIndex = Rebase(p->LCD_pBkColorIndex);
  p->LCD_pColorIndex = Rebase(p->LCD_pColorIndex);
  p->LCD_pAColorIndex = Rebase(p->LCD_pAColorIndex);
  p->pClipRect = Rebase(p->pClipRect);
}

void GUI_SetDefault(void) {
  GUI_LockGuard Lock;
  GUI_CONTEXT* p = GUI_pContext;
  p->BkColor = GUI_BLACK;
  p->Color = GUI_WHITE;
  p->PenSize = 1;
  p->TextAlign = 0;
  p->TextMode = 0;
  p->TextStyle = 0;
  p->DrawMode = 0;
  p->LineStyle = 0;
  p->pAFont = GUI__pDefaultFont;
  LCD_UpdateColorIndices();
}

GUI_COLOR GUI_SetColor(GUI_COLOR Color) {
  GUI_LockGuard Lock;
  GUI_COLOR Old = GUI_pContext->Color;
  LCD_SetColor(Color);
  return Old;
}

GUI_COLOR GUI_SetBkColor(GUI_COLOR Color) {
  GUI_LockGuard Lock;
  GUI_COLOR Old = GUI_pContext->BkColor;
  LCD_SetBkColor(Color);
  return Old;
}

GUI_COLOR GUI_GetColor(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->Color;
}

GUI_COLOR GUI_GetBkColor(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->BkColor;
}

int GUI_SetColorIndex(int Index) {
  GUI_LockGuard Lock;
  int Old = (int)*GUI_pContext->LCD_pColorIndex;
  LCD_SetColorIndex((LCD_PIXELINDEX)Index);
  return Old;
}

int GUI_SetBkColorIndex(int Index) {
  GUI_LockGuard Lock;
  int Old = (int)*GUI_pContext->LCD_pBkColorIndex;
  LCD_SetBkColorIndex((LCD_PIXELINDEX)Index);
  return Old;
}

int GUI_SetDrawMode(int DrawMode) {
  GUI_LockGuard Lock;
  return LCD_SetDrawMode(DrawMode);
}

int GUI_GetDrawMode(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->DrawMode;
}

int GUI_SetPenSize(int PenSize) {
  GUI_LockGuard Lock;
  int Old = GUI_pContext->PenSize;
  GUI_pContext->PenSize = (U8)(PenSize < 1 ? 1 : (PenSize > 255 ? 255 : PenSize));
  return Old;
}

int GUI_GetPenSize(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->PenSize;
}

int GUI_SetLineStyle(int LineStyle) {
  GUI_LockGuard Lock;
  int Old = GUI_pContext->LineStyle;
  GUI_pContext->LineStyle = (U8)LineStyle;
  return Old;
}

int GUI_GetLineStyle(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->LineStyle;
}

GUI_COLOR GUI_Index2Color(int Index) {
  GUI_LockGuard Lock;
  return LCD_Index2Color((LCD_PIXELINDEX)Index);
}

unsigned GUI_Color2Index(GUI_COLOR Color) {
  GUI_LockGuard Lock;
  return LCD_Color2Index(Color);
}

int GUI_SelectLayer(int Index) {
  GUI_LockGuard Lock;
  int Old = GUI_pContext->SelLayer;
  if (Index >= 0 && Index < GUI_NUM_LAYERS && GUI_aDevice[Index]) {
    GUI_pContext->SelLayer = (U8)Index;
    GUI_SelectLCD();
  }
  return Old;
}

int GUI_GetSelLayer(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->SelLayer;
}

GUI_HMEM GUI_GetSelectedDevice(void) {
  GUI_LockGuard Lock;
  return GUI_pContext->hDevData;
}
