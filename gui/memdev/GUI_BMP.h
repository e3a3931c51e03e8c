// BMP files: drawing (memory or get-data routine, unscaled or scaled by Num / Denom) and writing any area of
// the display as a BMP stream, one byte at a time. Drawing entries return 0 when drawn, 1 when the file was
// refused or could not be read (nothing is drawn then).
#pragma once

#include "GUI_Bitmap.h"

// The memory forms take the file's length from its own size field and never read beyond it (a field of 0:
// the headers, palette and pixel rows one behind the other). A palette or pixel rows outside that length fail
// the call; the rows inside it are drawn.
int GUI_BMP_Draw(const void* pFileData, int x0, int y0);
int GUI_BMP_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x0, int y0);
int GUI_BMP_DrawScaled(const void* pFileData, int x0, int y0, int Num, int Denom);
int GUI_BMP_DrawScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x0, int y0, int Num, int Denom);
// Width and height (also for top-down files); 0 when the file cannot be read.
int GUI_BMP_GetXSize(const void* pFileData);
int GUI_BMP_GetYSize(const void* pFileData);
int GUI_BMP_GetXSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam);
int GUI_BMP_GetYSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam);
// 32-bit files blend their alpha into what is drawn (enabled) or are drawn opaque (disabled, the default).
void GUI_BMP_EnableAlpha(void);
void GUI_BMP_DisableAlpha(void);

typedef void GUI_CALLBACK_VOID_U8_P(U8 Data, void* pParam);
void GUI_BMP_Serialize(GUI_CALLBACK_VOID_U8_P* pfSerialize, void* pParam);
void GUI_BMP_SerializeEx(GUI_CALLBACK_VOID_U8_P* pfSerialize, int x0, int y0, int xSize, int ySize, void* pParam);
void GUI_BMP_SerializeExBpp(GUI_CALLBACK_VOID_U8_P* pfSerialize, int x0, int y0, int xSize, int ySize, void* pParam,
                            int BitsPerPixel);
