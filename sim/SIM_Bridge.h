// The host's calls into the GUI library and the controller application, gathered in one place. Library-internal.
#pragma once
#include <cstdint>

typedef struct {
  int XSize, YSize;       // visible size in pixels
  int VXSize, VYSize;     // virtual size (the frame buffer)
  int XMag, YMag;         // the library's magnification
  int BitsPerPixel;
  int NumColors;          // palette entries (0 above 8 bits per pixel)
} SIM_LAYER_INFO;

long long SIM__GetLayerBufferSize(const SIM_LAYER_INFO* pInfo);   // bytes the layer takes in the mapping

void SIM__GuiConfigOnce(void);
int SIM__GuiGetNumLayers(void);
int SIM__GuiHasLayer(int Layer);                           // a display driver serves the layer
void SIM__GuiGetHeapInfo(int* pNumFreeBytes, int* pNumUsedBytes, int* pNumUsedBlocks);   // the GUI heap now
void SIM__GuiGetLayerInfo(int Layer, SIM_LAYER_INFO* pInfo);
uint32_t SIM__GuiIndex2Color(int Layer, uint32_t Index);   // GUI colour, red in the low byte
uint32_t SIM__GuiColor2Index(int Layer, uint32_t Color);
void SIM__GuiInstall(void);                                // the host's hooks under the GUI library and the application
// Hands the display driver a layer's frame buffer (pData null: takes it back).
void SIM__GuiSetBuffer(int Layer, void* pData, int XSize, int YSize, int VXSize, int VYSize, int BytesPerLine,
                       volatile uint32_t* pChangeCnt, int BytesPerPixel);
void SIM__GuiStorePointer(int x, int y, int Pressed, int Layer);
void SIM__GuiStoreKeyMsg(int Key, int Pressed);

void SIM__AppMainTask(void);
void SIM__AppClearStop(void);     // before the application thread starts, so a stop asked for later is never lost
void SIM__AppRequestStop(void);   // asks the application to end by itself
void SIM__AppCleanUp(void);       // after the application thread left through a sleep: ends its helper threads
void SIM__AppConfig(void);
void SIM__AppSendBack(void);
void SIM__AppLoadFunctionData(const char* pPath);
void SIM__AppLoadDesign(const char* pPath);
void SIM__AppLoadBranding(const char* pPath);
// A dropped overview page file: 0 when it is a whole page (said in the log), 1 when it is refused (reported).
int SIM__AppCheckPageFile(const char* pPath);
void SIM__AppResetStartup(void);  // before the application thread starts
// 0 saved; 1 when the application never finished its start-up (nothing to save); -1 when "tmp.dat" could not be
// written (the reason went to the log as a notice; the old file stays as it was).
int SIM__AppSaveTmpFile(void);
