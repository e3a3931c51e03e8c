// Shared pieces of the image fuzz targets: a quiet GUI on the headless display and a get-data routine that
// delivers a few bytes per call.
#pragma once

#include "GUI.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fuzz_image {

struct SlowSource {
  const uint8_t* pData;
  size_t NumBytes;
  unsigned Step;
};

// Delivers at most Step bytes per call, copied into the caller's buffer.
inline int GetDataSlow(void* pParam, const U8** ppData, unsigned NumBytes, U32 Off) {
  const SlowSource* pSrc = static_cast<const SlowSource*>(pParam);
  if (Off >= pSrc->NumBytes) {
    return 0;
  }
  size_t n = pSrc->NumBytes - Off;
  n = n < NumBytes ? n : NumBytes;
  n = n < pSrc->Step ? n : pSrc->Step;
  std::memcpy(const_cast<U8*>(*ppData), pSrc->pData + Off, n);
  return int(n);
}

inline void Quiet(const char*) {}

// A small display keeps every run short; the readers clip against it all the same.
inline void ConfigSmallLCD() {
  GUI_DEVICE_CreateAndLink(&LCD_SIMDRV_API, &LCD_aColorConvAPI[LCD_CC_BGR565], 0, 0);
  LCD_SetSizeEx(0, 64, 48);
  LCD_SetVSizeEx(0, 64, 48);
}

// Refused inputs warn; the fuzzer need not print that.
inline int Init() {
  static GUI_OS_API Api = {};
  Api.pfWarn = Quiet;
  Api.pfErrorOut = Quiet;
  GUI_OS_SetAPI(&Api);
  static const GUI_CONFIG_API Config = {GUI_ConfigDefaultGUI, ConfigSmallLCD};
  GUI_SetConfigAPI(&Config);
  return GUI_Init();
}

}  // namespace fuzz_image
