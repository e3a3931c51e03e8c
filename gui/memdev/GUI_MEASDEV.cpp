// Measuring device: a drawing target that stores no pixels but the bounding rectangle of everything drawn.
#include "GUI_MEMDEV_Private.h"
#include "WM.h"

namespace {

inline GUI_MEASDEV* _Meas(GUI_DEVICE* pDevice) { return (GUI_MEASDEV*)GUI_ALLOC_h2p(pDevice->u.hContext); }

void _ClearRect(GUI_MEASDEV* p) {
  p->rUsed.x0 = p->rUsed.y0 = 16383;
  p->rUsed.x1 = p->rUsed.y1 = -16383;
}

void _AddRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  GUI_RECT* r = &_Meas(pDevice)->rUsed;
  if (x0 < r->x0) r->x0 = GUI_MEMDEV__ToI16(x0);
  if (x1 > r->x1) r->x1 = GUI_MEMDEV__ToI16(x1);
  if (y0 < r->y0) r->y0 = GUI_MEMDEV__ToI16(y0);
  if (y1 > r->y1) r->y1 = GUI_MEMDEV__ToI16(y1);
}

void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  _AddRect(pDevice, x0, y0, x0 + xSize - 1, y0 + ySize - 1);
}
void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _AddRect(pDevice, x0, y, x1, y); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _AddRect(pDevice, x, y0, x, y1); }
void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) { _AddRect(pDevice, x0, y0, x1, y1); }
LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE*, int, int) { return 0; }
void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX) { _AddRect(pDevice, x, y, x, y); }
void _XorPixel(GUI_DEVICE* pDevice, int x, int y) { _AddRect(pDevice, x, y, x, y); }
void _SetOrg(GUI_DEVICE* pDevice, int x, int y) {
  GUI_DEVICE* pNext = pDevice->pNext;
  if (pNext) pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
}

// Bounding box of a point list moved by (x, y); null when the list is empty.
bool _PolyBox(const GUI_POINT* pPoints, int NumPoints, int x, int y, GUI_RECT* pBox) {
  int x0 = 16383, y0 = 16383, x1 = -16383, y1 = -16383;
  for (int i = 0; i < NumPoints; i++) {
    if (pPoints[i].x < x0) x0 = pPoints[i].x;
    if (pPoints[i].x > x1) x1 = pPoints[i].x;
    if (pPoints[i].y < y0) y0 = pPoints[i].y;
    if (pPoints[i].y > y1) y1 = pPoints[i].y;
  }
  if (NumPoints < 1) return false;
  pBox->x0 = GUI_MEMDEV__ToI16(x0 + x);
  pBox->y0 = GUI_MEMDEV__ToI16(y0 + y);
  pBox->x1 = GUI_MEMDEV__ToI16(x1 + x);
  pBox->y1 = GUI_MEMDEV__ToI16(y1 + y);
  return true;
}

void _FillPolygon(GUI_DEVICE* pDevice, const GUI_POINT* pPoints, int NumPoints, int x, int y) {
  GUI_RECT r;
  if (_PolyBox(pPoints, NumPoints, x, y, &r)) _AddRect(pDevice, r.x0, r.y0, r.x1, r.y1);
}

// Anti-aliased polygons arrive in high-resolution units when the anti-aliasing says so: back to pixels.
int (*_pfGetAAFactor)(void) = nullptr;

void _FillPolygonAA(GUI_DEVICE* pDevice, const GUI_POINT* pPoints, int NumPoints, int x, int y) {
  GUI_RECT r;
  if (!_PolyBox(pPoints, NumPoints, x, y, &r)) return;
  int f = _pfGetAAFactor ? _pfGetAAFactor() : 1;
  if (f > 1) {
    _AddRect(pDevice, r.x0 / f, r.y0 / f, (r.x1 + f - 1) / f, (r.y1 + f - 1) / f);
  } else {
    _AddRect(pDevice, r.x0, r.y0, r.x1, r.y1);
  }
}

GUI_DEVICE_FUNC _GetDevFunc(GUI_DEVICE**, int Index) {
  if (Index == 17) return (GUI_DEVICE_FUNC)_FillPolygon;
  if (Index == 18) return (GUI_DEVICE_FUNC)_FillPolygonAA;
  return nullptr;
}
I32 _GetDevProp(GUI_DEVICE*, int) { return 0; }
void* _GetDevData(GUI_DEVICE*, int) { return nullptr; }
void _GetRect(GUI_DEVICE*, LCD_RECT* pRect) {
  pRect->x0 = pRect->y0 = -4095;
  pRect->x1 = pRect->y1 = 4095;
}

}  // namespace

const GUI_DEVICE_API GUI_MEASDEV_DEVICE = {
    DEVICE_CLASS_MEASDEV, _DrawBitmap, _DrawHLine,  _DrawVLine,  _FillRect,   _GetPixelIndex, _SetPixelIndex,
    _XorPixel,            _SetOrg,     _GetDevFunc, _GetDevProp, _GetDevData, _GetRect,
};

void GUI_MEASDEV__SetAAFactorHook(int (*pfGetFactor)(void)) { _pfGetAAFactor = pfGetFactor; }

GUI_HMEM GUI_MEASDEV_Create(void) {
  GUI_MEMDEV__LockGuard Lock;
  int Layer = GUI_pContext->SelLayer;
  GUI_DEVICE* pHead = GUI_DEVICE__GetHead(Layer);
  GUI_DEVICE* pDevice = GUI_DEVICE_Create(&GUI_MEASDEV_DEVICE, pHead ? pHead->pColorConvAPI : nullptr, 0, Layer);
  if (!pDevice) return 0;
  GUI_HMEM hMeas = GUI_ALLOC_AllocZero((I32)sizeof(GUI_MEASDEV));
  if (!hMeas) {
    GUI_DEVICE_Delete(pDevice);
    GUI_Warn("GUIDEV_Measure:\nAlloc failed in GUI_MEASDEV_Create()");
    return 0;
  }
  GUI_MEASDEV* p = (GUI_MEASDEV*)GUI_ALLOC_h2p(hMeas);
  pDevice->u.hContext = hMeas;
  p->pDevice = pDevice;
  _ClearRect(p);
  return hMeas;
}

void GUI_MEASDEV_Select(GUI_HMEM hMeas) {
  GUI_MEMDEV__LockGuard Lock;
  // One measuring or memory device in the chain at a time: whatever was selected leaves it first.
  GUI_SelectLCD();
  if (!GUI_MEMDEV__Check(hMeas)) return;
  WM_Deactivate();
  GUI_pContext->hDevData = hMeas;
  GUI_DEVICE_Link(((GUI_MEASDEV*)GUI_ALLOC_h2p(hMeas))->pDevice);
  LCD_SetClipRectToDevice();
}

void GUI_MEASDEV_Delete(GUI_HMEM hMeas) {
  if (!GUI_MEMDEV__Check(hMeas)) return;
  GUI_MEMDEV__LockGuard Lock;
  if (GUI_pContext->hDevData == hMeas) GUI_SelectLCD();
  GUI_DEVICE* pDevice = ((GUI_MEASDEV*)GUI_ALLOC_h2p(hMeas))->pDevice;
  GUI_ALLOC_Free(hMeas);
  GUI_DEVICE_Delete(pDevice);  // unlinks it as well
}

void GUI_MEASDEV_ClearRect(GUI_HMEM hMeas) {
  if (!GUI_MEMDEV__Check(hMeas)) return;
  GUI_MEMDEV__LockGuard Lock;
  _ClearRect((GUI_MEASDEV*)GUI_ALLOC_h2p(hMeas));
}

void GUI_MEASDEV_GetRect(GUI_HMEM hMeas, GUI_RECT* pRect) {
  if (!GUI_MEMDEV__Check(hMeas) || !pRect) return;
  GUI_MEMDEV__LockGuard Lock;
  *pRect = ((GUI_MEASDEV*)GUI_ALLOC_h2p(hMeas))->rUsed;
}
