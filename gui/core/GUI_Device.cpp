// Device objects and the per-layer chains they form. The head of a chain is the current drawing target; the
// display driver (class 0) ends it.
#include "GUI_Private.h"

#include <cstring>

namespace {

inline int _Class(const GUI_DEVICE* p) { return p->pDeviceAPI->DeviceClassIndex; }

bool _IsLayer(int LayerIndex) { return LayerIndex >= 0 && LayerIndex < GUI_NUM_LAYERS; }

}  // namespace

GUI_DEVICE* GUI_DEVICE_Create(const GUI_DEVICE_API* pDeviceAPI, const LCD_COLOR_CONV_API* pColorConvAPI,
                              U16 LinkFlag, int LayerIndex) {
  if (!pDeviceAPI || !_IsLayer(LayerIndex)) {
    GUI_ErrorOut("GUI_DEVICE:\nInvalid device or layer in GUI_DEVICE_Create()");
    return nullptr;
  }
  GUI_LockGuard Lock;
  GUI_DEVICE* p = static_cast<GUI_DEVICE*>(GUI_ALLOC_GetFixedBlock((I32)sizeof(GUI_DEVICE)));
  if (!p) {
    return nullptr;
  }
  std::memset(p, 0, sizeof(*p));
  p->pDeviceAPI = pDeviceAPI;
  p->pColorConvAPI = pColorConvAPI;
  p->LinkFlag = LinkFlag;
  p->LayerIndex = LayerIndex;
  return p;
}

GUI_DEVICE* GUI_DEVICE_CreateAndLink(const GUI_DEVICE_API* pDeviceAPI, const LCD_COLOR_CONV_API* pColorConvAPI,
                                     U16 LinkFlag, int LayerIndex) {
  GUI_LockGuard Lock;
  GUI_DEVICE* p = GUI_DEVICE_Create(pDeviceAPI, pColorConvAPI, LinkFlag, LayerIndex);
  if (p && GUI_DEVICE_Link(p)) {
    GUI_DEVICE_Delete(p);
    p = nullptr;
  }
  return p;
}

int GUI_DEVICE_Link(GUI_DEVICE* pDevice) {
  if (!pDevice || !_IsLayer(pDevice->LayerIndex)) {
    return 1;
  }
  GUI_LockGuard Lock;
  GUI_DEVICE** ppLink = &GUI_aDevice[pDevice->LayerIndex];
  for (GUI_DEVICE* p = *ppLink; p; p = p->pNext) {
    if (p == pDevice) {
      return 0;  // linked already
    }
  }
  int Class = _Class(pDevice);
  if (Class == DEVICE_CLASS_DRIVER && pDevice->LinkFlag) {
    // Directly in front of the driver: the last device of the chain.
    while (*ppLink && (*ppLink)->pNext) {
      ppLink = &(*ppLink)->pNext;
    }
  } else {
    while (*ppLink && _Class(*ppLink) > Class) {
      ppLink = &(*ppLink)->pNext;
    }
  }
  pDevice->pNext = *ppLink;
  *ppLink = pDevice;
  if (!pDevice->pColorConvAPI && pDevice->pNext) {
    pDevice->pColorConvAPI = pDevice->pNext->pColorConvAPI;
  }
  return 0;
}

void GUI_DEVICE_Unlink(GUI_DEVICE* pDevice) {
  if (!pDevice || !_IsLayer(pDevice->LayerIndex)) {
    return;
  }
  GUI_LockGuard Lock;
  for (GUI_DEVICE** ppLink = &GUI_aDevice[pDevice->LayerIndex]; *ppLink; ppLink = &(*ppLink)->pNext) {
    if (*ppLink == pDevice) {
      *ppLink = pDevice->pNext;
      pDevice->pNext = nullptr;
      return;
    }
  }
}

void GUI_DEVICE_Delete(GUI_DEVICE* pDevice) {
  if (!pDevice) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_DEVICE_Unlink(pDevice);
  GUI_ALLOC_FreeFixedBlock(pDevice);
}

GUI_DEVICE* GUI_DEVICE__GetByClass(int LayerIndex, int DeviceClass) {
  if (!_IsLayer(LayerIndex)) {
    return nullptr;
  }
  for (GUI_DEVICE* p = GUI_aDevice[LayerIndex]; p; p = p->pNext) {
    if (_Class(p) == DeviceClass) {
      return p;
    }
  }
  return nullptr;
}

GUI_DEVICE* GUI_DEVICE__GetDriver(int LayerIndex) {
  if (!_IsLayer(LayerIndex)) {
    return nullptr;
  }
  GUI_DEVICE* pDriver = nullptr;
  for (GUI_DEVICE* p = GUI_aDevice[LayerIndex]; p; p = p->pNext) {
    if (_Class(p) == DEVICE_CLASS_DRIVER) {
      pDriver = p;  // the last class-0 device is the driver itself
    }
  }
  return pDriver;
}

GUI_DEVICE* GUI_DEVICE__GetHead(int LayerIndex) { return _IsLayer(LayerIndex) ? GUI_aDevice[LayerIndex] : nullptr; }

// Forgets every chain (the devices live in the heap, which goes with them).
void GUI_DEVICE__Exit(void) { std::memset(GUI_aDevice, 0, sizeof(GUI_aDevice)); }
