// Current font, text attributes, text position and font metrics.
#include "GUI_FontPrivate.h"

namespace {

const GUI_FONT* _Font(const GUI_FONT* pFont) { return pFont ? pFont : GUI_pContext->pAFont; }

} // namespace

const GUI_FONT* GUI_SetFont(const GUI_FONT* pFont) {
  GUI_Lock();
  const GUI_FONT* pOld = GUI_pContext->pAFont;
  if (pFont) GUI_pContext->pAFont = pFont;
  GUI_Unlock();
  return pOld;
}

const GUI_FONT* GUI_GetFont(void) {
  GUI_Lock();
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  GUI_Unlock();
  return pFont;
}

int GUI_SetTextMode(int Mode) {
  GUI_Lock();
  int Old = GUI_pContext->TextMode;
  GUI_pContext->TextMode = static_cast<U8>(Mode);
  GUI_Unlock();
  return Old;
}

int GUI_GetTextMode(void) {
  GUI_Lock();
  int Mode = GUI_pContext->TextMode;
  GUI_Unlock();
  return Mode;
}

int GUI_SetTextAlign(int Align) {
  GUI_Lock();
  int Old = GUI_pContext->TextAlign;
  GUI_pContext->TextAlign = static_cast<I16>(Align);
  GUI_Unlock();
  return Old;
}

int GUI_GetTextAlign(void) {
  GUI_Lock();
  int Align = GUI_pContext->TextAlign;
  GUI_Unlock();
  return Align;
}

char GUI_SetTextStyle(char Style) {
  GUI_Lock();
  char Old = static_cast<char>(GUI_pContext->TextStyle);
  GUI_pContext->TextStyle = static_cast<U8>(Style);
  GUI_Unlock();
  return Old;
}

int GUI_SetLBorder(int x) {
  GUI_Lock();
  int Old = GUI_pContext->LBorder;
  GUI_pContext->LBorder = static_cast<I16>(x);
  GUI_Unlock();
  return Old;
}

char GUI_GotoXY(int x, int y) {
  GUI_Lock();
  GUI_pContext->DispPosX = static_cast<I16>(x);
  GUI_pContext->DispPosY = static_cast<I16>(y);
  GUI_Unlock();
  return 0;
}

char GUI_GotoX(int x) {
  GUI_Lock();
  GUI_pContext->DispPosX = static_cast<I16>(x);
  GUI_Unlock();
  return 0;
}

char GUI_GotoY(int y) {
  GUI_Lock();
  GUI_pContext->DispPosY = static_cast<I16>(y);
  GUI_Unlock();
  return 0;
}

int GUI_GetDispPosX(void) {
  GUI_Lock();
  int x = GUI_pContext->DispPosX;
  GUI_Unlock();
  return x;
}

int GUI_GetDispPosY(void) {
  GUI_Lock();
  int y = GUI_pContext->DispPosY;
  GUI_Unlock();
  return y;
}

int GUI_GetCharDistXEx(U16 c, int* pSizeX) {
  GUI_Lock();
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  int r = pFont ? pFont->pType->pfGetCharDistX(c, pSizeX) : 0;
  if (!pFont && pSizeX) *pSizeX = 0;
  GUI_Unlock();
  return r;
}

int GUI_GetCharDistX(U16 c) { return GUI_GetCharDistXEx(c, nullptr); }

int GUI_GetFontDistY(void) {
  GUI_Lock();
  const GUI_FONT* pFont = GUI_pContext->pAFont;
  int r = pFont ? pFont->YDist : 0;
  GUI_Unlock();
  return r;
}

int GUI_GetFontSizeY(void) {
  GUI_Lock();
  int r = GUI_GetYSizeOfFont(GUI_pContext->pAFont);
  GUI_Unlock();
  return r;
}

int GUI_GetYSizeOfFont(const GUI_FONT* pFont) { return pFont ? pFont->YSize * pFont->YMag : 0; }

int GUI_GetYDistOfFont(const GUI_FONT* pFont) { return pFont ? pFont->YDist * pFont->YMag : 0; }

void GUI_GetFontInfo(const GUI_FONT* pFont, GUI_FONTINFO* pInfo) {
  if (!pInfo) return;
  GUI_Lock();
  pFont = _Font(pFont);
  if (pFont)
    pFont->pType->pfGetFontInfo(pFont, pInfo);
  else
    *pInfo = GUI_FONTINFO{};
  GUI_Unlock();
}

char GUI_IsInFont(const GUI_FONT* pFont, U16 c) {
  GUI_Lock();
  pFont = _Font(pFont);
  char r = pFont ? pFont->pType->pfIsInFont(pFont, c) : 0;
  GUI_Unlock();
  return r;
}
