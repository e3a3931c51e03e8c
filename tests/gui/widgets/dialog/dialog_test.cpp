// Dialogs from tables of create records: what is built, what a failing item leaves, focus, and the modal
// loop ended by GUI_EndDialog.
#include <thread>

#include "BUTTON.h"
#include "DIALOG.h"
#include "WINDOW.h"
#include "widget_support.h"

namespace {

int g_InitCount;
WM_HWIN g_hInitClient;
WM_HWIN g_hButtonAtInit;
int g_aEndValues[2];

bool g_FocusCancelAtInit;

void _cbDialog(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_INIT_DIALOG:
    g_InitCount++;
    g_hInitClient = pMsg->hWin;
    g_hButtonAtInit = WM_FindChildById(pMsg->hWin, 2);
    if (g_FocusCancelAtInit) {
      WM_SetFocus(WM_FindChildById(pMsg->hWin, 3));
    }
    return;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_RELEASED && WM_GetId(pMsg->hWinSrc) == 2) {
      GUI_EndDialog(pMsg->hWin, g_aEndValues[0]);
      GUI_EndDialog(pMsg->hWin, g_aEndValues[1]); // a second end of the same dialog changes nothing
    }
    return;
  }
  WM_DefaultProc(pMsg);
}

WM_HWIN _CreateFails(const WIDGET_CREATE_INFO*, WM_HWIN, int, int, WM_CALLBACK*) {
  return 0;
}

const WIDGET_CREATE_INFO _aOneRecord[] = {{WINDOW_CreateIndirect, "", 1, 0, 0, 100, 60, 0, 0, 0}};

const WIDGET_CREATE_INFO _aDialog[] = {
    {WINDOW_CreateIndirect, "", 1, 10, 10, 200, 100, 0, 0, 0},
    {BUTTON_CreateIndirect, "OK", 2, 10, 10, 60, 20, 0, 0, 0},
    {BUTTON_CreateIndirect, "Cancel", 3, 80, 10, 60, 20, 0, 0, 0},
};

class DialogTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    g_InitCount = 0;
    g_hInitClient = g_hButtonAtInit = 0;
    g_FocusCancelAtInit = false;
    g_aEndValues[0] = 7;
    g_aEndValues[1] = 9;
  }
};

TEST_F(DialogTest, OneRecordMakesOnlyTheDialogWindow) {
  WM_HWIN h = GUI_CreateDialogBox(_aOneRecord, 1, _cbDialog, 0, 5, 6);
  ASSERT_NE(h, 0);
  EXPECT_EQ(WM_GetParent(h), WM_GetDesktopWindow());
  EXPECT_EQ(WM_GetFirstChild(h), 0);
  EXPECT_TRUE(WM_IsVisible(h));
  EXPECT_EQ(WM_GetWindowPosX(h), 5);
  EXPECT_EQ(g_InitCount, 1);
  EXPECT_EQ(g_hInitClient, h);
  EXPECT_EQ(GUI__GetDialogStatus(h), nullptr) << "not modal";
}

TEST_F(DialogTest, ItemsExistWhenTheDialogIsInitialised) {
  WM_HWIN h = GUI_CreateDialogBox(_aDialog, 3, _cbDialog, 0, 0, 0);
  ASSERT_NE(h, 0);
  EXPECT_NE(g_hButtonAtInit, 0);
  EXPECT_TRUE(WM_IsVisible(g_hButtonAtInit));
  EXPECT_EQ(WM_GetFocusWindow(), g_hButtonAtInit) << "the first focusable item takes the focus";
}

TEST_F(DialogTest, AFailingItemTakesTheWholeDialogAway) {
  WIDGET_CREATE_INFO aFive[5] = {_aDialog[0], _aDialog[1], _aDialog[2], _aDialog[1], _aDialog[2]};
  aFive[3].pfCreateIndirect = _CreateFails; // the fourth record is the third item
  I32 UsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
  int NumWindows = 0;
  WM_ForEachDesc(WM_GetDesktopWindow(), [](WM_HWIN, void* p) { ++*(int*)p; }, &NumWindows);
  EXPECT_EQ(GUI_CreateDialogBox(aFive, 5, _cbDialog, 0, 0, 0), 0);
  WM_Exec();
  int NumAfter = 0;
  WM_ForEachDesc(WM_GetDesktopWindow(), [](WM_HWIN, void* p) { ++*(int*)p; }, &NumAfter);
  EXPECT_EQ(NumAfter, NumWindows);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), UsedBlocks);
  EXPECT_EQ(g_InitCount, 0);
}

TEST_F(DialogTest, FocusAlreadyInsideStaysThere) {
  g_FocusCancelAtInit = true;
  WM_HWIN h = GUI_CreateDialogBox(_aDialog, 3, _cbDialog, 0, 0, 0);
  EXPECT_EQ(WM_GetFocusWindow(), WM_FindChildById(h, 3));
}

TEST_F(DialogTest, UnattachedDialogLeavesTheFocus) {
  WM_HWIN hFocus = BUTTON_Create(300, 0, 20, 20, 0, 9, WM_CF_SHOW);
  WM_SetFocus(hFocus);
  WM_HWIN h = GUI_CreateDialogBox(_aDialog, 3, _cbDialog, (WM_HWIN)-1, 0, 0);
  ASSERT_NE(h, 0);
  EXPECT_EQ(WM_GetParent(h), 0);
  EXPECT_EQ(WM_GetFocusWindow(), hFocus);
  WM_DeleteWindow(h);
}

TEST_F(DialogTest, ModalRunReturnsTheValueOfEndDialog) {
  // The Enter key reaches the focused OK button once the loop runs; its release ends the dialog.
  GUI_StoreKeyMsg(GUI_KEY_ENTER, 1);
  EXPECT_EQ(GUI_ExecDialogBox(_aDialog, 3, _cbDialog, 0, 0, 0), 7);
  EXPECT_FALSE(WM_IsWindow(g_hInitClient)) << "the dialog is gone when the loop returns";
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_F(DialogTest, EndFromAnotherTaskWakesTheLoop) {
  WM_HWIN h = GUI_CreateDialogBox(_aDialog, 3, _cbDialog, 0, 0, 0);
  ASSERT_NE(h, 0);
  WM_Exec();
  std::thread Other([h] {
    while (!GUI__GetDialogStatus(h)) {
      std::this_thread::yield();
    }
    GUI_EndDialog(h, 42);
  });
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 42);
  Other.join();
}

TEST_F(DialogTest, WaitingReleasesALockTheCallerHolds) {
  WM_HWIN h = GUI_CreateDialogBox(_aDialog, 3, _cbDialog, 0, 0, 0);
  GUI_Lock();
  GUI_Lock();
  std::thread Other([h] {
    while (!GUI__GetDialogStatus(h)) { // takes the lock: possible only while the loop waits
      std::this_thread::yield();
    }
    GUI_EndDialog(h, 3);
  });
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 3);
  Other.join();
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 2) << "the caller's lock count is back";
  GUI_Unlock();
  GUI_Unlock();
}

TEST_F(DialogTest, ALoopWhoseDialogIsDeletedReturns) {
  WM_HWIN h = GUI_CreateDialogBox(_aOneRecord, 1, _cbDialog, 0, 0, 0);
  GUI_EndDialog(h, 5); // before any loop waits: nobody receives 5
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 0);
  EXPECT_FALSE(WM_IsWindow(h));
}

TEST_F(DialogTest, EndingAGoneDialogIsIgnored) {
  WM_HWIN h = GUI_CreateDialogBox(_aOneRecord, 1, _cbDialog, 0, 0, 0);
  GUI_EndDialog(h, 1);
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(h));
  GUI_EndDialog(h, 2);
  GUI_EndDialog(0, 3);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), -1);
  EXPECT_EQ(GUI_ExecDialogBox(_aOneRecord, 0, _cbDialog, 0, 0, 0), -1);
}

// A dialog of every widget type: the items take their texts and parameters from the table, a scripted
// run ticks the box, picks a radio item and drags the slider, and OK ends the modal loop with the box's
// state and the radio value in the result.
void _cbSettings(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_NOTIFY_PARENT && pMsg->Data.v == WM_NOTIFICATION_RELEASED && WM_GetId(pMsg->hWinSrc) == 2) {
    WM_HWIN hClient = pMsg->hWin;
    int r = CHECKBOX_GetState(WM_FindChildById(hClient, 4)) * 100 +
            RADIO_GetValue(WM_FindChildById(hClient, 5)) * 10 + (SLIDER_GetValue(WM_FindChildById(hClient, 6)) > 50);
    GUI_EndDialog(hClient, r);
    return;
  }
  if (pMsg->MsgId == WM_INIT_DIALOG) {
    PROGBAR_SetValue(WM_FindChildById(pMsg->hWin, 7), 30);
    return;
  }
  WM_DefaultProc(pMsg);
}

const WIDGET_CREATE_INFO _aSettings[] = {
    {WINDOW_CreateIndirect, "", 1, 0, 0, 240, 120, 0, 0, 0},
    {BUTTON_CreateIndirect, "OK", 2, 170, 90, 60, 20, 0, 0, 0},
    {TEXT_CreateIndirect, "Settings", 3, 4, 4, 80, 14, GUI_TA_LEFT, 0, 0},
    {CHECKBOX_CreateIndirect, nullptr, 4, 4, 22, 0, 0, 0, 0, 0},
    {RADIO_CreateIndirect, nullptr, 5, 4, 44, 0, 0, 0, 0x1403, 0}, // 3 items, 20 apart
    {SLIDER_CreateIndirect, nullptr, 6, 100, 22, 100, 20, 0, 0, 0},
    {PROGBAR_CreateIndirect, nullptr, 7, 100, 50, 100, 14, 0, 0, 0},
    {SCROLLBAR_CreateIndirect, nullptr, 8, 228, 0, 11, 80, SCROLLBAR_CF_VERTICAL, 0, 0},
};

TEST_F(DialogTest, TableOfEveryWidgetRunsModally) {
  WM_HWIN h = GUI_CreateDialogBox(_aSettings, 8, _cbSettings, 0, 0, 0);
  ASSERT_NE(h, 0);
  char ab[16];
  TEXT_GetText(WM_FindChildById(h, 3), ab, sizeof(ab));
  EXPECT_STREQ(ab, "Settings");
  EXPECT_EQ(WM_GetWindowSizeY(WM_FindChildById(h, 5)), 12 + 4 + 2 * 20);
  EXPECT_TRUE(WIDGET_GetState(WM_FindChildById(h, 8)) & WIDGET_STATE_VERTICAL);
  EXPECT_EQ(PROGBAR_GetValue(WM_FindChildById(h, 7)), 30);
  WM_Exec();
  Press(4 + 5, 22 + 5); // tick the box
  Release(4 + 5, 22 + 5);
  Press(4 + 5, 44 + 40 + 5); // third radio item
  Release(4 + 5, 44 + 40 + 5);
  Press(100 + 80, 30); // slider towards its end
  Release(100 + 80, 30);
  GUI_StoreKeyMsg(GUI_KEY_TAB, 1);
  Press(170 + 10, 90 + 10); // OK, released inside the modal loop
  GUI_POINTER_STATE Up = {170 + 10, 90 + 10, 0, 0};
  GUI_POINTER_StoreState(&Up);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 121);
  EXPECT_FALSE(WM_IsWindow(h));
}

TEST_F(DialogTest, BackgroundColourOfWidgetsWithoutOne) {
  WM_HWIN hParent = WM_CreateWindow(0, 0, 50, 50, 0, nullptr, 0);
  WM_HWIN h = BUTTON_Create(0, 0, 10, 10, hParent, 1, 0);
  EXPECT_EQ(DIALOG_SetBkColor(0x123456), 0xC0C0C0u);
  EXPECT_EQ(WIDGET__GetBkColor(h), 0x123456u);
  EXPECT_EQ(DIALOG_GetBkColor(), 0x123456u);
}

} // namespace
