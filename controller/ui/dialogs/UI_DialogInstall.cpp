// The file list's dialogs: confirmation, load options, sending a file to a node and the result of an action,
// and the transfer of a firmware file to a node with its progress.
#include <atomic>
#include <cstdio>
#include <cstring>

#include "CAN_Node.h"
#include "OS.h"
#include "SDO_Client.h"
#include "TXT_Current.h"
#include "UI_Dialog.h"
#include "UI_ElementFile.h"

namespace {

enum { _OPTION_CHARS = 3, _MESSAGE_LEN = 128 };  // room for a file line's and a value line's text

// Texts the dialogs show, copied: the caller's may lie in a page that is rebuilt meanwhile, and a copy is
// always terminated.
char16_t _acMessage[_MESSAGE_LEN];

const char16_t* _Keep(const char16_t* s) {
  int i = 0;
  for (; s && s[i] && i < _MESSAGE_LEN - 1; i++) _acMessage[i] = s[i];
  _acMessage[i] = 0;
  return _acMessage;
}

void _Confirm(WM_HWIN hReceiver, int TitleItem, const char16_t* pText) {
  UI_ConfirmInfo Info = {};
  Info.Receiver = hReceiver;
  Info.TextIndex = int16_t(TitleItem);
  Info.pMessage = pText ? _Keep(pText) : nullptr;
  UI_CreateConfirmDialog(hReceiver, &Info);
}

void _Result(WM_HWIN hReceiver, int TextIndex, int Flags) {
  UI_ConfirmInfo Info = {};
  Info.Receiver = hReceiver;
  Info.Value = 1;  // the result's OK, told apart from a confirmation
  Info.Flags = uint16_t(Flags & (UI_CONFIRM_NO_OK | UI_CONFIRM_NO_CANCEL));
  Info.TextIndex = int16_t(TextIndex);
  UI_CreateConfirmDialog(hReceiver, &Info);
}

void _LoadOptions(WM_HWIN hReceiver, const char16_t*) {
  UI_LoadOptionsInfo Info = {};
  Info.Receiver = hReceiver;
  UI_CreateLoadOptions(hReceiver, &Info);
}

// The dialog shows the file's name: the path's last part.
void _SendFile(WM_HWIN hReceiver, const char* pName) {
  if (!pName || strnlen(pName, UI_FILE_NAME_LEN) < _OPTION_CHARS) return;
  const char* s = pName + _OPTION_CHARS;
  const char* pSlash = strrchr(s, '\\');
  if (pSlash) s = pSlash + 1;
  char16_t ac[UI_FILE_TEXT_LEN];
  int i = 0;
  for (; s[i] && i < UI_FILE_TEXT_LEN - 1; i++) ac[i] = char16_t(uint8_t(s[i]));
  ac[i] = 0;
  UI_SendFileInfo Info = {};
  Info.Receiver = hReceiver;
  Info.pTitle = TXT_GetText(UI_GROUP_SEND_FILE, 0);
  Info.pMessage = _Keep(ac);
  UI_CreateSendFileDialog(hReceiver, &Info, pName);
}

//
// The firmware transfer runs as a task of its own; the progress dialog follows it.
//
SDO_FIRMWARE_JOB _Job;
OS_TASK* _pTask;
std::atomic<int> _Running;

void _TransferTask(void* p) {
  SDO_FirmwareUpdateTask(p);
  _Running = 0;
}

void _SendFirmware(WM_HWIN hReceiver, int Node, const char* pPath) {
  // A transfer still running is followed rather than started again.
  if (!_Running) {
    UI_WaitFirmwareTransfer();
    _Job.Node = Node;
    snprintf(_Job.acPath, sizeof(_Job.acPath), "%s", pPath ? pPath : "");
    // The dialog never shows what an earlier transfer left, and a transfer that cannot start has failed.
    CAN_FirmwareProgress = 0;
    _Running = 1;
    _pTask = OS_CreateTask(_TransferTask, &_Job, "Firmware");
    if (!_pTask) {
      _Running = 0;
      CAN_FirmwareProgress = -1;
    }
  }
  UI_ProgressInfo Info = {};
  Info.Receiver = hReceiver;
  Info.pFile = &_Job;
  Info.pfUpdate = SDO_FirmwareUpdateTask;
  Info.pTitle = TXT_GetText(UI_GROUP_DIALOG_TITLES, UI_TITLE_PLEASE_WAIT);
  UI_CreateProgressDialog(hReceiver, &Info);
}

}  // namespace

void UI_WaitFirmwareTransfer(void) {
  if (!_pTask) return;
  OS_TaskJoin(_pTask);
  _pTask = nullptr;
}

void UI_InstallDialogs(void) { UI_DialogHooks = {_Confirm, _LoadOptions, _SendFile, _SendFirmware, _Result}; }
