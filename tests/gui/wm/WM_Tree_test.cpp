// Window records and the tree: creation, sibling order, re-parenting, geometry, user data, deletion and
// the handling of dead handles.
#include <climits>

#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class WmTree : public WmTest {};

std::vector<WM_HWIN> Children(WM_HWIN hParent) {
  std::vector<WM_HWIN> v;
  for (WM_HWIN h = WM_GetFirstChild(hParent); h; h = WM_GetNextSibling(h)) {
    v.push_back(h);
  }
  return v;
}

} // namespace

TEST_F(WmTree, DesktopIsTheRootAndDefaultParent) {
  WM_HWIN hDesktop = WM_GetDesktopWindow();
  ASSERT_NE(hDesktop, 0);
  EXPECT_EQ(WM_GetParent(hDesktop), 0);
  WM_HWIN hChild = WM_CreateWindow(10, 20, 30, 40, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(WM_GetParent(hChild), hDesktop);
  WM_HWIN hRoot = WM_CreateWindowAsChild(0, 0, 10, 10, (WM_HWIN)-1, 0, nullptr, 0);
  EXPECT_EQ(WM_GetParent(hRoot), 0);
  EXPECT_TRUE(WM_IsWindow(hRoot));
  // Children are placed relative to the parent; size 0 takes the parent's size.
  WM_HWIN hGrand = WM_CreateWindowAsChild(5, 6, 0, 0, hChild, WM_CF_SHOW, nullptr, 0);
  GUI_RECT r;
  WM_GetWindowRect(hGrand, &r);
  EXPECT_EQ(r.x0, 15);
  EXPECT_EQ(r.y0, 26);
  EXPECT_EQ(WM_GetWindowSizeX(hGrand), 30);
  EXPECT_EQ(WM_GetWindowSizeY(hGrand), 40);
}

TEST_F(WmTree, StayOnTopSiblingsLieAboveTheOthers) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hTop1 = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW | WM_CF_STAYONTOP, nullptr, 0);
  WM_HWIN hTop2 = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW | WM_CF_STAYONTOP, nullptr, 0);
  // Under a parent whose children are all stay-on-top, a plain window becomes the bottom-most child.
  WM_HWIN hA = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hB = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(Children(hP), (std::vector<WM_HWIN>{hA, hB, hTop1, hTop2}));
  WM_BringToTop(hA);
  EXPECT_EQ(Children(hP), (std::vector<WM_HWIN>{hB, hA, hTop1, hTop2}));
  // The flag alone does not reorder.
  WM_SetStayOnTop(hB, 1);
  EXPECT_EQ(Children(hP), (std::vector<WM_HWIN>{hB, hA, hTop1, hTop2}));
  EXPECT_TRUE(WM_GetStayOnTop(hB));
  WM_BringToBottom(hTop2);
  EXPECT_EQ(Children(hP), (std::vector<WM_HWIN>{hTop2, hB, hA, hTop1}));
  // With the order mixed up like this, bringing a plain window to the top still moves it up.
  WM_HWIN hC = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(Children(hP), (std::vector<WM_HWIN>{hTop2, hB, hA, hC, hTop1}));
}

TEST_F(WmTree, AttachingBelowADescendantIsRefused) {
  WM_HWIN hA = WM_CreateWindow(10, 10, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hB = WM_CreateWindowAsChild(5, 5, 50, 50, hA, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(5, 5, 20, 20, hB, WM_CF_SHOW, nullptr, 0);
  WM_AttachWindow(hA, hC);
  WM_AttachWindowAt(hA, hB, 0, 0);
  EXPECT_EQ(WM_GetParent(hA), WM_GetDesktopWindow());
  EXPECT_EQ(WM_GetParent(hC), hB);
  EXPECT_EQ(WM_GetWindowPosX(hA), 10);
  ASSERT_EQ(Errors.size(), 2u);
  EXPECT_NE(Errors[0].find("descendant"), std::string::npos);
  // A legal re-parenting keeps the offset to the parent; AttachWindowAt places relative to the new one.
  WM_AttachWindow(hC, hA);
  EXPECT_EQ(WM_GetParent(hC), hA);
  EXPECT_EQ(WM_GetWindowPosX(hC), 15);
  WM_AttachWindowAt(hC, WM_GetDesktopWindow(), 3, 4);
  EXPECT_EQ(WM_GetWindowPosX(hC), 3);
  EXPECT_EQ(WM_GetWindowPosY(hC), 4);
}

TEST_F(WmTree, ResizeFollowsAnchors) {
  WM_HWIN hP = WM_CreateWindow(100, 100, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_SetAnchor(hP, WM_STATUS_ANCHOR_RIGHT);
  WM__ResizeWindow(hP, 10, 0);
  GUI_RECT r;
  WM_GetWindowRect(hP, &r);
  EXPECT_EQ(r.x0, 90);
  EXPECT_EQ(r.x1, 199);
  WM_SetAnchor(hP, 0);
  WM_HWIN hRight = WM_CreateWindowAsChild(80, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  WM_SetAnchor(hRight, WM_STATUS_ANCHOR_RIGHT);
  WM_HWIN hBoth = WM_CreateWindowAsChild(10, 10, 50, 10, hP, WM_CF_SHOW, nullptr, 0);
  WM_SetAnchor(hBoth, WM_STATUS_ANCHOR_LEFT | WM_STATUS_ANCHOR_RIGHT);
  WM_HWIN hPlain = WM_CreateWindowAsChild(10, 30, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(WM_SetXSize(hP, 130), 130);
  WM_GetWindowRect(hRight, &r);
  EXPECT_EQ(r.x0, 90 + 80 + 20);
  EXPECT_EQ(WM_GetWindowSizeX(hRight), 10);
  WM_GetWindowRect(hBoth, &r);
  EXPECT_EQ(r.x0, 100);
  EXPECT_EQ(WM_GetWindowSizeX(hBoth), 70);
  EXPECT_EQ(WM_GetWindowPosX(hPlain), 100);
  WM_SetAnchor(hPlain, 0x800 | WM_STATUS_ANCHOR_TOP);
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], "W:WM_SetAnchor:\nWrong anchor flags in WM_SetAnchor()");
}

// Positions and sizes anywhere in int: edges beyond the 16-bit coordinate range stop at its ends, and a
// move stops where the window meets an end, keeping its size and its children's places in it.
TEST_F(WmTree, CoordinatesAtTheEndsOfIntStopAtTheEndsOfTheRange) {
  auto Rect = [](WM_HWIN h) {
    GUI_RECT r;
    WM_GetWindowRect(h, &r);
    return std::vector<int>{r.x0, r.y0, r.x1, r.y1};
  };
  WM_HWIN hP = WM_CreateWindow(10, 20, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hFar = WM_CreateWindowAsChild(INT_MAX, INT_MIN, 30, 40, hP, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(Rect(hFar), (std::vector<int>{32767, -32768, 32767, -32768}));
  WM_HWIN hHuge = WM_CreateWindowAsChild(-5, -5, INT_MAX, INT_MAX, hP, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(Rect(hHuge), (std::vector<int>{5, 15, 32767, 32767}));
  WM_HWIN hAll = WM_CreateWindowAsChild(-40000, INT_MIN, INT_MAX, INT_MIN, (WM_HWIN)-1, 0, nullptr, 0);
  EXPECT_EQ(Rect(hAll), (std::vector<int>{-32768, -32768, 32767, -32768}));
  GUI_RECT rClient;
  WM_GetClientRectEx(hAll, &rClient);
  EXPECT_EQ(rClient.x1, 32767) << "a window wider than half the range";
  WM_HWIN hW = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hChild = WM_CreateWindowAsChild(2, 3, 4, 4, hW, WM_CF_SHOW, nullptr, 0);
  WM_MoveWindow(hW, INT_MAX, INT_MIN);
  EXPECT_EQ(Rect(hW), (std::vector<int>{32758, -32768, 32767, -32759}));
  EXPECT_EQ(Rect(hChild), (std::vector<int>{32760, -32765, 32763, -32762}));
  WM_MoveTo(hW, INT_MIN, INT_MAX);
  EXPECT_EQ(Rect(hW), (std::vector<int>{-32768, 32758, -32759, 32767}));
  WM_MoveChildTo(hW, INT_MAX, INT_MIN);
  EXPECT_EQ(Rect(hW), (std::vector<int>{32758, -32768, 32767, -32759}));
  WM_MoveChildTo(hW, 0, 0);
  EXPECT_EQ(Rect(hChild), (std::vector<int>{12, 23, 15, 26}));
  WM_SetSize(hW, INT_MAX, INT_MIN);
  EXPECT_EQ(Rect(hW), (std::vector<int>{10, 20, 32767, -32768}));
  EXPECT_EQ(WM_SetXSize(hW, INT_MIN), -32777);
  EXPECT_EQ(WM_SetYSize(hW, INT_MAX), 32748);
  WM_SetWindowPos(hW, INT_MIN, INT_MIN, 10, 10);
  EXPECT_EQ(Rect(hW), (std::vector<int>{-32768, -32768, -32759, -32759}));
  WM_SetAnchor(hW, WM_STATUS_ANCHOR_RIGHT | WM_STATUS_ANCHOR_BOTTOM);
  WM__ResizeWindow(hW, INT_MAX, INT_MIN);
  EXPECT_EQ(Rect(hW), (std::vector<int>{-32768, 32767, -32759, -32759}));
  WM_Exec();
}

TEST_F(WmTree, UserDataIsClampedToTheExtraBytes) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 10, 10, 0, nullptr, 6);
  const char acIn[10] = "abcdefghi";
  char acOut[10] = {};
  EXPECT_EQ(WM_SetUserData(hWin, acIn, 10), 6);
  EXPECT_EQ(WM_GetUserData(hWin, acOut, 10), 6);
  EXPECT_EQ(std::string(acOut), "abcdef");
  EXPECT_EQ(WM_GetUserData(0, acOut, 4), 4);
}

TEST_F(WmTree, DeadHandlesAreReportedAndTouchNothing) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, nullptr, 8);
  WM_DeleteWindow(hWin);
  Errors.clear();
  uint16_t NumWindows = WM__NumWindows;
  EXPECT_EQ(WM_GetParent(hWin), 0);
  EXPECT_EQ(WM_GetWindowSizeX(hWin), 0);
  WM_MoveWindow(hWin, 5, 5);
  WM_InvalidateWindow(hWin);
  WM_ShowWindow(hWin);
  char c = 0;
  EXPECT_EQ(WM_SetUserData(hWin, &c, 1), 0);
  WM_DeleteWindow(hWin);
  EXPECT_EQ(WM__NumWindows, NumWindows);
  ASSERT_EQ(Errors.size(), 7u);
  EXPECT_EQ(Errors[0], "W:WM:\nInvalid handle in WM_GetParent()");
  EXPECT_EQ(Errors[6], "W:WM:\nInvalid handle in WM_DeleteWindow()");
  // Handle 0 is no window and is ignored quietly.
  Errors.clear();
  WM_MoveWindow(0, 1, 1);
  WM_DeleteWindow(0);
  EXPECT_TRUE(Errors.empty());
}

TEST_F(WmTree, DeletionNotifiesTheParentBeforeTheChildrenGo) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hW = WM_CreateWindowAsChild(0, 0, 50, 50, hP, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hC1 = WM_CreateWindowAsChild(0, 0, 10, 10, hW, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hC2 = WM_CreateWindowAsChild(0, 0, 10, 10, hC1, WM_CF_SHOW, cbTrace, 0);
  SetName(hP, "P");
  SetName(hW, "W");
  SetName(hC1, "C1");
  SetName(hC2, "C2");
  WM_SetFocus(hC2);
  Trace.clear();
  WM_DeleteWindow(hW);
  EXPECT_EQ(Trace, (std::vector<std::string>{"W WM_DELETE", "P WM_NOTIFY_PARENT W 7", "C1 WM_DELETE",
                                             "W WM_NOTIFY_PARENT C1 7", "C2 WM_DELETE",
                                             "C1 WM_NOTIFY_PARENT C2 7"}));
  EXPECT_FALSE(WM_IsWindow(hC2));
  EXPECT_EQ(WM_GetFocusWindow(), 0);
  EXPECT_EQ(WM_GetFirstChild(hP), 0);
}

namespace {

WM_HWIN _hOther;

// Deletes itself on a press, its parent when a child goes, and another window from its paint.
void _cbSelfDelete(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_POINTER:
    WM_DeleteWindow(pMsg->hWin);
    WM_DeleteWindow(pMsg->hWin);
    return;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_CHILD_DELETED) {
      WM_DeleteWindow(pMsg->hWin);
    }
    return;
  case WM_DELETE:
    WM_DeleteWindow(pMsg->hWin);
    if (_hOther) {
      WM_DeleteWindow(_hOther);
      _hOther = 0;
    }
    return;
  case WM_PAINT:
    WM_DeleteWindow(pMsg->hWin);
    GUI_Clear();
    return;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

TEST_F(WmTree, WindowsDeleteThemselvesFromTheirCallbacks) {
  uint16_t NumWindows = WM__NumWindows;
  WM_HWIN hA = WM_CreateWindow(0, 0, 50, 50, WM_CF_SHOW, _cbSelfDelete, 0);
  WM_HWIN hB = WM_CreateWindowAsChild(0, 0, 20, 20, hA, WM_CF_SHOW, _cbSelfDelete, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(0, 0, 10, 10, hB, WM_CF_SHOW, _cbSelfDelete, 0);
  _hOther = WM_CreateWindow(100, 0, 10, 10, WM_CF_SHOW, _cbSelfDelete, 0);
  WM_HWIN hOther = _hOther;
  Errors.clear();
  // Deleting C notifies B, which deletes itself (and so A via its own notification) and another window.
  WM_DeleteWindow(hC);
  EXPECT_FALSE(WM_IsWindow(hA));
  EXPECT_FALSE(WM_IsWindow(hB));
  EXPECT_FALSE(WM_IsWindow(hOther));
  EXPECT_EQ(WM__NumWindows, NumWindows);
  EXPECT_TRUE(Errors.empty());
  // A press deletes the window under the pointer while the handler still works on it.
  WM_HWIN hD = WM_CreateWindow(0, 0, 50, 50, WM_CF_SHOW, _cbSelfDelete, 0);
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(hD)); // its paint asked for the deletion; carried out after the paint
  ASSERT_FALSE(Errors.empty());
  EXPECT_EQ(Errors[0], "E:Function may not be called from within a paint event");
  WM_HWIN hE = WM_CreateWindow(0, 0, 50, 50, 0, _cbSelfDelete, 0);
  Pointer(10, 10, 0);
  WM_ShowWindow(hE);
  WM_ValidateWindow(hE);
  Pointer(10, 10, 1);
  EXPECT_FALSE(WM_IsWindow(hE));
  Pointer(10, 10, 0);
  EXPECT_EQ(WM__NumWindows, NumWindows);
  WM_Exec();
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}
