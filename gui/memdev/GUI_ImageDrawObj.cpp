// The drawable objects of the window manager draw images through routines that this layer hands them.
#include "GUI_BMP.h"
#include "GUI_DrawObj.h"
#include "GUI_Stream.h"

namespace {

void _DrawBMP(const void* pBMP, int x, int y) { GUI_BMP_Draw(pBMP, x, y); }

const GUI_DRAWOBJ_IMAGE_API _API = {GUI_DrawBitmap, _DrawBMP, GUI_BMP_GetXSize, GUI_BMP_GetYSize,
                                    GUI_DrawStreamedBitmapAuto};

}  // namespace

void GUI_IMAGE__InstallDrawObjAPI(void) { GUI_DRAWOBJ__SetImageAPI(&_API); }
