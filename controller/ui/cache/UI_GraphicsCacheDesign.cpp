// The pictures that follow the branding, the design and the handedness: page background and title strips,
// page header, panel, dialog backgrounds, and the places of the side-button icons.
#include "GUI_MEMDEV.h"
#include "GUI_Stream.h"
#include "UI_Background.h"
#include "UI_Draw.h"
#include "UI_GraphicsCachePrivate.h"

namespace {

const GUI_COLOR _FOOTER_FRAME = 0xFF8080;

struct _SOURCE {
  const U8* p;
  U32 Size;
};

// Reads a branding picture piecewise, never beyond its size.
int _ReadSource(void* pParam, const U8** ppData, unsigned NumBytes, U32 Off) {
  const _SOURCE* pSrc = static_cast<const _SOURCE*>(pParam);
  if (Off >= pSrc->Size) return 0;
  unsigned n = NumBytes < pSrc->Size - Off ? NumBytes : unsigned(pSrc->Size - Off);
  U8* pDest = const_cast<U8*>(*ppData);
  for (unsigned i = 0; i < n; i++) pDest[i] = pSrc->p[Off + i];
  return int(n);
}

// Draws a branding picture; false when there is none or it could not be drawn whole.
bool _DrawBrandingPart(const U8* p, U32 Size, int x, int y) {
  if (!p || Size < GUI_BITMAP_STREAM_HEADER_SIZE) return false;
  _SOURCE Src = {p, Size};
  return GUI_DrawStreamedBitmapExAuto(_ReadSource, &Src, x, y) == 0;
}

void _DrawBackgroundPart(const UI_BRANDING* b) {
  if (!b || !_DrawBrandingPart(b->pBackground, b->BackgroundSize, 0, 0)) UI__DrawPicture(UI_PIC_BACKGROUND, 0, 0);
}

// Page background (and the title overlay) as the branding asks.
void _DrawBrandedBackground(int w, int h, const void*) {
  GUI_SetColor(GUI_WHITE);
  GUI_FillRect(0, 0, w - 1, h - 1);
  const UI_BRANDING* b = DSG_pBranding;
  _DrawBackgroundPart(b);
  if (b && b->LogoMode == 2) {
    if (b->pLogo && !_DrawBrandingPart(b->pLogo, b->LogoSize, b->LogoX, b->LogoY)) {
      _DrawBackgroundPart(b);  // a damaged logo leaves no half picture behind
      UI__DrawPicture(UI_PIC_LOGO, b->LogoX, b->LogoY);
    } else if (!b->pLogo) {
      UI__DrawPicture(UI_PIC_LOGO, b->LogoX, b->LogoY);
    }
  } else if (!b || b->LogoMode != 1) {
    UI__DrawPicture(UI_PIC_LOGO, -103, -10);
  }
  UI__DrawPicture(UI_PIC_TITLE, 0, -1);
}

// Fills a device with the part of a full-screen device under it (both at their screen origins).
void _CopyScreenPart(GUI_HMEM hDst, GUI_HMEM hScreen) {
  if (!hDst || !hScreen) return;
  UI__BlendInto(hDst, hScreen, GUI_MEMDEV_GetXPos(hScreen) - GUI_MEMDEV_GetXPos(hDst),
                GUI_MEMDEV_GetYPos(hScreen) - GUI_MEMDEV_GetYPos(hDst));
}

void _DrawPictureJob(int w, int h, const void* p) {
  const int* a = static_cast<const int*>(p);
  UI__DrawPicture(a[0], a[1], a[2]);
}

void _RenderPicture(GUI_HMEM hMem, int Picture, int x, int y) {
  const int a[3] = {Picture, x, y};
  UI__RenderInto(hMem, _DrawPictureJob, a);
}

// The overview layout's background: the design picture, or the page background without one.
bool _RenderDesignBackground(void) {
  if (!UI_DesignHooks.pfDrawPicture) {
    _CopyScreenPart(UI_hMemdevDesignBg, UI_hMemdevPageBg);
    return false;
  }
  UI__RenderInto(
      UI_hMemdevDesignBg,
      [](int w, int h, const void*) {
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        UI_DesignHooks.pfDrawPicture();
      },
      nullptr);
  return true;
}

}  // namespace

void DSG_ApplyBranding(void) {
  GUI_Lock();
  UI__RenderInto(UI_hMemdevPageBg, _DrawBrandedBackground, nullptr);
  _CopyScreenPart(UI_hMemdevTitleStrip, UI_hMemdevPageBg);
  if (UI_hMemdevContentBg) {
    GUI_MEMDEV_SetOrg(UI_hMemdevContentBg, 0, 30);
    _CopyScreenPart(UI_hMemdevContentBg, UI_hMemdevPageBg);
    GUI_MEMDEV_SetOrg(UI_hMemdevContentBg, 0, 0);
  }
  GUI_Unlock();
}

void UI_RenderDesignGraphics(int Left) {
  GUI_Lock();
  UI_LeftHanded = Left ? 1 : 0;
  const int dx = Left ? 50 : 0;
  UI_PageFrameX = dx;
  const int Design = UI_IsDesignLayout();
  // 1. Page header: the background behind it and the plate.
  if (UI_hMemdevPageHeader) {
    GUI_MEMDEV_SetOrg(UI_hMemdevPageHeader, dx, 30);
    _CopyScreenPart(UI_hMemdevPageHeader, UI_hMemdevPageBg);
    _RenderPicture(UI_hMemdevPageHeader, UI_PIC_PLATE, 8, 4);
  }
  // 2. Panel: the panel picture with transparent surroundings, so that it lies on any background.
  if (UI_hMemdevPanel) {
    GUI_MEMDEV_SetOrg(UI_hMemdevPanel, dx + 16, 40);
    UI__RenderInto(
        UI_hMemdevPanel,
        [](int w, int h, const void*) {
          GUI_SetColor(GUI_TRANSPARENT);
          GUI_FillRect(0, 0, w - 1, h - 1);
          UI__DrawPicture(UI_PIC_PANEL, 0, 0);
        },
        nullptr);
  }
  // 3. Inner part and footer of the panel, over the page background.
  if (UI_hMemdevPanelInner) {
    GUI_MEMDEV_SetOrg(UI_hMemdevPanelInner, dx + 25, 44);
    _CopyScreenPart(UI_hMemdevPanelInner, UI_hMemdevPageBg);
    _CopyScreenPart(UI_hMemdevPanelInner, UI_hMemdevPanel);
  }
  if (UI_hMemdevPanelFooter) {
    GUI_MEMDEV_SetOrg(UI_hMemdevPanelFooter, dx + 25, 220);
    _CopyScreenPart(UI_hMemdevPanelFooter, UI_hMemdevPageBg);
    _CopyScreenPart(UI_hMemdevPanelFooter, UI_hMemdevPanel);
    UI__RenderInto(
        UI_hMemdevPanelFooter,
        [](int w, int h, const void*) {
          // The frame's corners are taken in order (218 to 221), whichever way they are given.
          GUI_SetColor(_FOOTER_FRAME);
          GUI_DrawRect(0, 218 - 220, 403 - 25, 221 - 220);
        },
        nullptr);
    if (UI_ahMemdevIcon33[0]) UI__BlendInto(UI_hMemdevPanelFooter, UI_ahMemdevIcon33[0], 2, 3);
  }
  // 4. Dialog backgrounds.
  if (UI_hMemdevDialogBg) {
    GUI_MEMDEV_SetOrg(UI_hMemdevDialogBg, dx + 10, 40);
    _CopyScreenPart(UI_hMemdevDialogBg, UI_hMemdevPageBg);
    _RenderPicture(UI_hMemdevDialogBg, UI_PIC_DIALOG, 0, 0);
  }
  bool HasDesignPicture = _RenderDesignBackground();
  if (UI_hMemdevDialogBgDesign) {
    GUI_MEMDEV_SetOrg(UI_hMemdevDialogBgDesign, 10, Design ? 25 : 40);
    _CopyScreenPart(UI_hMemdevDialogBgDesign, UI_hMemdevDesignBg);
    _RenderPicture(UI_hMemdevDialogBgDesign, UI_PIC_DIALOG, 0, 0);
  }
  // 5. Title strip over a design (the full-screen design layout has none).
  if (!Design && UI_hMemdevTitleDesign) {
    _CopyScreenPart(UI_hMemdevTitleDesign, UI_hMemdevDesignBg);
    if (HasDesignPicture) _RenderPicture(UI_hMemdevTitleDesign, UI_PIC_TITLE, 0, -1);
  }
  // 6./7. Side-button icons follow the buttons; the screens place their windows.
  const int PageTop = Design ? 15 : 30;
  for (int i = 0; i < UI_NUM_SIDE_ICONS; i++) {
    if (UI_ahMemdevSideIcon[i]) {
      GUI_MEMDEV_SetOrg(UI_ahMemdevSideIcon[i], Left ? 8 : 438, PageTop + (i < UI_NUM_HOME_ICONS ? 42 : 157));
    }
  }
  if (UI_GfxHooks.pfPlaceWindows) UI_GfxHooks.pfPlaceWindows(UI_LeftHanded, PageTop);
  GUI_Unlock();
}
