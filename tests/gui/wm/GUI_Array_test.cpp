// Growable array, drawable objects and hook lists.
#include <cstring>

#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class GuiArray : public WmTest {};

std::string ItemText(GUI_ARRAY h, unsigned i) {
  char* p = (char*)GUI_ARRAY_GetpItemLocked(h, i);
  if (!p) {
    return "<none>";
  }
  std::string s(p);
  GUI_ALLOC_UnlockH(&p);
  return s;
}

} // namespace

TEST_F(GuiArray, AddInsertSetDelete) {
  GUI_ARRAY h = GUI_ARRAY_Create();
  ASSERT_NE(h, 0);
  EXPECT_EQ(GUI_ARRAY_AddItem(h, "one", 4), 0);
  EXPECT_EQ(GUI_ARRAY_AddItem(h, nullptr, 0), 0); // blank item
  EXPECT_EQ(GUI_ARRAY_AddItem(h, nullptr, 12), 0); // zero-filled
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 3);
  EXPECT_EQ(GUI_ARRAY_GethItem(h, 1), 0);
  EXPECT_EQ(GUI_ALLOC_GetSize(GUI_ARRAY_GethItem(h, 2)), 12);
  EXPECT_EQ(ItemText(h, 2), "");
  // Inserting at the count is refused; at 0 the items move up.
  EXPECT_FALSE(GUI_ARRAY_InsertBlankItem(h, 3));
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], "E:GUI_ARRAY_InsertItem:\nIllegal index in GUI_ARRAY_InsertBlankItem()");
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 3);
  EXPECT_TRUE(GUI_ARRAY_InsertBlankItem(h, 0));
  EXPECT_EQ(ItemText(h, 1), "one");
  EXPECT_EQ(GUI_ARRAY_GethItem(h, 0), 0);
  // SetItem keeps a block of the same size with its contents, replaces one of another size.
  GUI_HMEM hOne = GUI_ARRAY_GethItem(h, 1);
  EXPECT_EQ(GUI_ARRAY_SetItem(h, 1, nullptr, 4), hOne);
  EXPECT_EQ(ItemText(h, 1), "one");
  GUI_ARRAY_SetItem(h, 1, "three", 6);
  EXPECT_EQ(ItemText(h, 1), "three");
  // Resizing keeps the bytes and zero-fills the rest.
  char* p = (char*)GUI_ARRAY_ResizeItemLocked(h, 1, 10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(std::string(p), "three");
  EXPECT_EQ(p[9], 0);
  GUI_ALLOC_UnlockH(&p);
  EXPECT_EQ(GUI_ARRAY_ResizeItemLocked(h, 9, 10), nullptr);
  GUI_ARRAY_DeleteItem(h, 3);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 3);
  EXPECT_EQ(GUI_ARRAY_GethItem(h, 3), 0);
  GUI_ARRAY_DeleteItem(h, 0);
  EXPECT_EQ(ItemText(h, 0), "three");
  GUI_HMEM hItem = GUI_ARRAY_InsertItem(h, 0, 5);
  EXPECT_NE(hItem, 0);
  EXPECT_EQ(GUI_ARRAY_GethItem(h, 0), hItem);
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  GUI_ARRAY_Delete(h);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used - 4); // record, table and two items (one is blank)
  // A zero handle is no array.
  EXPECT_EQ(GUI_ARRAY_GetNumItems(0), 0);
  EXPECT_EQ(GUI_ARRAY_AddItem(0, "x", 2), 0);
  EXPECT_EQ(GUI_ARRAY_GetpItemLocked(0, 0), nullptr);
}

TEST_F(GuiArray, FailedAppendLeavesTheArrayUnchanged) {
  GUI_ARRAY h = GUI_ARRAY_Create();
  GUI_ARRAY_AddItem(h, "a", 2);
  GUI_ALLOC__FailNth(2); // the table allocation fails
  EXPECT_EQ(GUI_ARRAY_AddItem(h, "b", 2), 1);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 1);
  EXPECT_EQ(ItemText(h, 0), "a");
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], "W:GUI_ARRAY:\nFailed to alloc buffer in GUI_ARRAY_AddItem()");
  GUI_ARRAY_Delete(h);
}

// A list filled beyond what its 16-bit count holds, on a heap with room for all of it: every item up to the
// limit keeps its contents, the adds past it are refused and change nothing. The table moves only now and then:
// one copied whole for every add makes filling a long list quadratic.
TEST_F(GuiArray, FillingALongListKeepsEveryItemAndRefusesThePastTheLimit) {
  GUI_Exit(); // a heap of its own, with handles for every item
  GUI_ALLOC_SetAvBlockSize(32);
  GUI_ALLOC_AssignMemory(nullptr, 16u << 20);
  GUI_ARRAY h = GUI_ARRAY_Create();
  ASSERT_NE(h, 0);
  int NumRefused = 0, NumMoves = 0;
  GUI_HMEM hTable = 0;
  for (U32 i = 0; i < 100000; i++) {
    NumRefused += GUI_ARRAY_AddItem(h, &i, (int)sizeof(i));
    GUI_HMEM hNow = ((GUI_ARRAY_OBJ*)GUI_ALLOC_h2p(h))->hTable;
    NumMoves += hNow != hTable;
    hTable = hNow;
  }
  EXPECT_LE(NumMoves, 24);
  ASSERT_EQ(GUI_ARRAY_GetNumItems(h), 0xFFFF);
  EXPECT_EQ(NumRefused, 100000 - 0xFFFF);
  int NumWrong = 0;
  for (U32 i = 0; i < 0xFFFF; i++) {
    U32* p = (U32*)GUI_ARRAY_GetpItemLocked(h, i);
    NumWrong += !p || *p != i;
    if (p) {
      GUI_ALLOC_UnlockH(&p);
    }
  }
  EXPECT_EQ(NumWrong, 0);
  EXPECT_EQ(GUI_ARRAY_GethItem(h, 0xFFFF), 0);
  GUI_ARRAY_Delete(h);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), 0);
}

// Past a few items the table grows ahead; when the heap has no room for that, the one slot still needed is
// taken, and when not even that fits the add fails and leaves the array as it was.
TEST_F(GuiArray, AppendsOnATightHeapTakeWhatFitsAndOtherwiseChangeNothing) {
  GUI_ARRAY h = GUI_ARRAY_Create();
  for (char c = 'a'; c < 'a' + 16; c++) {
    char s[2] = {c, 0};
    ASSERT_EQ(GUI_ARRAY_AddItem(h, s, 2), 0);
  }
  // The next add outgrows the table of 16: the larger block fails, the exact one is taken.
  GUI_ALLOC__FailNth(2);
  EXPECT_EQ(GUI_ARRAY_AddItem(h, "q", 2), 0);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 17);
  EXPECT_EQ(ItemText(h, 16), "q");
  // No room for any larger table: refused, with the item it made given back.
  I32 Blocks = GUI_ALLOC_GetNumUsedBlocks();
  GUI_ALLOC__SetTestLimit((U32)GUI_ALLOC_GetNumUsedBytes() + 64);
  EXPECT_EQ(GUI_ARRAY_AddItem(h, "r", 2), 1);
  GUI_ALLOC__SetTestLimit(0);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Blocks);
  EXPECT_EQ(GUI_ARRAY_GetNumItems(h), 17);
  for (int i = 0; i < 17; i++) {
    EXPECT_EQ(ItemText(h, (unsigned)i), std::string(1, char('a' + i)));
  }
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], "W:GUI_ARRAY:\nFailed to alloc buffer in GUI_ARRAY_AddItem()");
  GUI_ARRAY_Delete(h);
}

namespace {

std::vector<std::string> _Drawn;

// A kind of our own, as the image code defines its kinds: draws its data's text at the position plus the offsets.
void _DrawText(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  int xOff, yOff;
  const char* s = (const char*)GUI_DRAWOBJ__GetData(hObj, &xOff, &yOff);
  _Drawn.push_back(std::string(s) + " at " + std::to_string(x + xOff) + "," + std::to_string(y + yOff));
}
int _GetTextXSize(GUI_HMEM hObj) {
  return (int)strlen((const char*)GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr));
}
int _GetOne(GUI_HMEM) {
  return 1;
}
const GUI_DRAWOBJ_API _APIText = {_DrawText, _GetTextXSize, _GetOne};

void _UserDraw(WM_HWIN hWin) {
  _Drawn.push_back("user " + std::to_string(hWin));
}

int _aHookCalls[2];
int _Hook0(WM_MESSAGE*) {
  _aHookCalls[0]++;
  return 0;
}
int _Hook1(WM_MESSAGE*) {
  _aHookCalls[1]++;
  return 1;
}

} // namespace

TEST_F(GuiArray, DrawableObjects) {
  _Drawn.clear();
  // Offsets are kept as signed 16-bit values and added to the drawing position by the kind.
  GUI_HMEM hText = GUI_DRAWOBJ__Create(&_APIText, "text", 2, -3);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(hText), 4);
  EXPECT_EQ(GUI_DRAWOBJ_GetYSize(hText), 1);
  GUI_DRAWOBJ_Draw(hText, 5, 10, 10);
  EXPECT_EQ(GUI_DRAWOBJ_CreateCallback(nullptr, 0, 0), 0);
  GUI_HMEM hUser = GUI_DRAWOBJ_CreateCallback(_UserDraw, 4, 4);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(hUser), 0);
  EXPECT_EQ(GUI_DRAWOBJ_GetYSize(hUser), 0);
  GUI_DRAWOBJ_Draw(hUser, 42, 1, 1);
  GUI_DRAWOBJ_Draw(0, 42, 1, 1);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(0), 0);
  EXPECT_EQ(_Drawn, (std::vector<std::string>{"text at 12,7", "user 42"}));
  GUI_ALLOC_Free(hText);
  GUI_ALLOC_Free(hUser);
}

TEST_F(GuiArray, HookListCallsTheNewestFirst) {
  GUI_HOOK* pFirst = nullptr;
  GUI_HOOK h0 = {}, h1 = {};
  GUI_HOOK_Add(&pFirst, &h0, _Hook0);
  GUI_HOOK_Add(&pFirst, &h1, _Hook1);
  WM_MESSAGE Msg = {};
  EXPECT_EQ(GUI_HOOK__Call(pFirst, &Msg), 1);
  EXPECT_EQ(_aHookCalls[1], 1);
  EXPECT_EQ(_aHookCalls[0], 0); // the second added consumed it
  // Removing one hook keeps the other.
  GUI_HOOK_Remove(&pFirst, &h1);
  EXPECT_EQ(pFirst, &h0);
  EXPECT_EQ(GUI_HOOK__Call(pFirst, &Msg), 0);
  EXPECT_EQ(_aHookCalls[0], 1);
  GUI_HOOK_Remove(&pFirst, &h0);
  EXPECT_EQ(pFirst, nullptr);
}
