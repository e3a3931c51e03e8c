// GIF images (GIF87a and GIF89a): one sub-image of a file drawn straight onto the drawing target, unscaled or
// scaled by Num / Denom, from memory or through a get-data routine; and questions about the file. The caller
// steps through an animation by drawing sub-image 0, 1, 2, ... itself.
//
// Drawing entries return 0 when drawn, 1 when the file was refused (signature, a screen above 2000 pixels)
// or is bad (a read that fails, an unknown extension, LZW data that do not fit or end before the image's last
// pixel, a colour index beyond the colour table, no such sub-image): what had been decoded stays drawn.
#pragma once

#include "GUI_Bitmap.h"

struct GUI_GIF_INFO {
  int xSize, ySize;  // logical screen
  int NumImages;
};

struct GUI_GIF_IMAGE_INFO {
  int xPos, yPos, xSize, ySize;
  int Delay;  // hundredths of a second, as stored
};

int GUI_GIF_Draw(const void* pGIF, U32 NumBytes, int x, int y);
int GUI_GIF_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y);
int GUI_GIF_DrawSub(const void* pGIF, U32 NumBytes, int x, int y, int Index);
int GUI_GIF_DrawSubEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, int Index);
int GUI_GIF_DrawSubScaled(const void* pGIF, U32 NumBytes, int x, int y, int Index, int Num, int Denom);
int GUI_GIF_DrawSubScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, int Index, int Num,
                            int Denom);

// Screen size and the number of images up to the trailer: 0 with the trailer found, else 1.
int GUI_GIF_GetInfo(const void* pGIF, U32 NumBytes, GUI_GIF_INFO* pInfo);
int GUI_GIF_GetInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_GIF_INFO* pInfo);
// Position, size and delay of image Index: 0 when found, 1 when the file ends first (pInfo left alone).
int GUI_GIF_GetImageInfo(const void* pGIF, U32 NumBytes, GUI_GIF_IMAGE_INFO* pInfo, int Index);
int GUI_GIF_GetImageInfoEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, GUI_GIF_IMAGE_INFO* pInfo, int Index);
// Copies at most MaxSize bytes of the first data block of comment number Index (no terminating zero).
// 0 when found, 1 when the file ends first.
int GUI_GIF_GetComment(const void* pGIF, U32 NumBytes, U8* pBuffer, int MaxSize, int Index);
int GUI_GIF_GetCommentEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, U8* pBuffer, int MaxSize, int Index);
// Logical screen size; 0 when it cannot be read. The memory forms need the first 10 bytes.
int GUI_GIF_GetXSize(const void* pGIF);
int GUI_GIF_GetYSize(const void* pGIF);
int GUI_GIF_GetXSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam);
int GUI_GIF_GetYSizeEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam);

// Whether restore-to-background images fill with the background colour (1 at start). -> previous setting.
int GUI_GIF_SetDrawBackground(int OnOff);
