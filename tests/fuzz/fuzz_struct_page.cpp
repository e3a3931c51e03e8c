// Fuzzes the screens with what other nodes send: the controller shows a menu of node 5 (its root, another menu,
// or the network page with the names of the nodes present), and every object it asks of the bus (the menu
// description with its tiles, lists, panels and structured elements, their values and labels, the access-code
// table, node names, file listings) is answered by a node whose answers are the fuzzer's bytes. The page is
// painted, then the pointer states of the input are replayed as the host reads them back from the shared
// mapping (x, y, buttons), each followed by the GUI's work, so touches reach the elements built.
//
// Input: byte 0 what to show (bits 0-1: 0 root menu, 1 menu 0x5800 + byte 1, 2 network page, 3 the object page
// 0x5000 + byte 1; bits 2-7 the sub-index), byte 2 the number of pointer states (low 4 bits), then the pointer
// states {i32 x, i32 y, u8 buttons}, then the node's answers.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "CAN_Node.h"
#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "GUI.h"
#include "GUI_Input.h"
#include "GUI_MEMDEV.h"
#include "TXT_Language.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"
#include "UI_MenuStack.h"
#include "UI_Startup.h"
#include "WM.h"
#include "fuzz_RemoteNode.h"
#include "fuzz_TempFolder.h"

namespace {

U32 _Now;

void _Settle() {
  for (int i = 0; i < 20 && GUI_Exec(); i++) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t Size) {
  static bool Initialized = [] {
    fuzz_folder::Enter();
    static GUI_OS_API Api = {};
    Api.pfGetTime = [] { return _Now; };
    Api.pfDelay = [](int ms) { _Now += ms > 0 ? U32(ms) : 0; };
    Api.pfWarn = [](const char*) {};
    Api.pfErrorOut = [](const char*) {};
    GUI_OS_SetAPI(&Api);
    FKT_InstallFunctionModules();
    APP_InitController();
    APP_CreateKernelObjects();
    FKT_pfParameterChanged = nullptr;
    UI_StartupDone = 1;
    if (GUI_Init() != 0) return false;
    TXT_SelectLanguage(TXT_LANG_ENGLISH);
    WM_Init();
    GUI_MEMDEV__Init();
    UI_InstallMenuPages();
    fuzz_node::Install();
    return true;
  }();
  if (!Initialized || Size < 3) return 0;
  size_t Pos = 3;
  int NumPointer = pData[2] & 15;
  if (Size < Pos + size_t(NumPointer) * 9) NumPointer = int((Size - Pos) / 9);
  const uint8_t* pPointer = pData + Pos;
  Pos += size_t(NumPointer) * 9;
  fuzz_node::Load(pData + Pos, Size - Pos);
  memset(CAN_NodeTable, 0, sizeof(CAN_NodeTable));
  CAN_NodeTable[5] = {1, 135, 2, {}};
  CAN_NodeTable[7] = {1, 128, 0, {}};
  for (auto& e : FKT_AccessLevels) e.Level = 0;
  UI_CreateMainScreen();
  _Settle();
  uint32_t Sub = uint32_t(pData[0] >> 2) << 16, Address = 0x05005800;
  switch (pData[0] & 3) {
  case 1: Address = 0x05005800u + pData[1] + Sub; break;  // one of the node's menus
  case 2: Address = 0; break;                              // the network page
  case 3: Address = 0x05005000u + pData[1] + Sub; break;   // a page of one of the node's objects
  default: break;
  }
  UI_MenuStackInstance.Show(Address, 0);
  _Settle();
  for (int i = 0; i < NumPointer; i++, pPointer += 9) {
    int32_t x, y;
    memcpy(&x, pPointer, 4);
    memcpy(&y, pPointer + 4, 4);
    // As the host forwards the mapping's fields: mouse state as read, touch state at -1, -1 when released.
    GUI_POINTER_STATE State = {x, y, U8(pPointer[8]), 0};
    GUI_MOUSE_StoreState(&State);
    if (!State.Pressed) State.x = State.y = -1;
    GUI_TOUCH_StoreStateEx(&State);
    _Now += 60;
    _Settle();
  }
  _Now += 1000;
  _Settle();
  UI_DeleteMainWindows();
  UI_MenuStackInstance.ClearHistory();
  return 0;
}
