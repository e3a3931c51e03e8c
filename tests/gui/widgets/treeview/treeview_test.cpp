// The tree view: linking and unlinking of items against a simple model under random changes, refused
// attachments, relations, keys and pointer traces with their notifications, and golden images.
#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "TREEVIEW.h"
#include "widget_support.h"

namespace {

class TreeviewTest : public WidgetParentTest<> {
protected:
  WM_HWIN Tree(int Flags = 0) { return TREEVIEW_CreateEx(10, 10, 150, 120, hParent, WM_CF_SHOW, Flags, 7); }
  static std::string Text(GUI_HMEM h) {
    char ab[32];
    TREEVIEW_ITEM_GetText(h, ab, sizeof(ab));
    return ab;
  }
  // The texts of the shown items in order.
  static std::vector<std::string> Shown(WM_HWIN hTree) {
    std::vector<std::string> v;
    WM__LockGuard Lock;
    for (GUI_HMEM h = TREEVIEW_GetItem(hTree, 0, TREEVIEW_GET_FIRST); h; h = TREEVIEW__NextShown(h)) {
      v.push_back(Text(h));
    }
    return v;
  }
};

// A small tree: A (expanded: a1, a2), B (collapsed: b1), C.
struct Sample {
  GUI_HMEM A, a1, a2, B, b1, C;
  explicit Sample(WM_HWIN h) {
    A = TREEVIEW_InsertItem(h, 1, 0, 0, "A");
    C = TREEVIEW_InsertItem(h, 0, A, TREEVIEW_INSERT_BELOW, "C");
    B = TREEVIEW_InsertItem(h, 1, C, TREEVIEW_INSERT_ABOVE, "B");
    b1 = TREEVIEW_InsertItem(h, 0, B, TREEVIEW_INSERT_FIRST_CHILD, "b1");
    a2 = TREEVIEW_InsertItem(h, 0, A, TREEVIEW_INSERT_FIRST_CHILD, "a2");
    a1 = TREEVIEW_InsertItem(h, 0, a2, TREEVIEW_INSERT_ABOVE, "a1");
    TREEVIEW_ITEM_Expand(A);
  }
};

TEST_F(TreeviewTest, InsertsAtTheirPositionsAndRefusesWhatCannotBeLinked) {
  WM_HWIN h = Tree();
  Sample s(h);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.A) << "the first item of an empty tree is selected";
  EXPECT_EQ(Shown(h), (std::vector<std::string>{"A", "a1", "a2", "B", "C"}));
  GUI_HMEM D = TREEVIEW_InsertItem(h, 0, s.A, TREEVIEW_INSERT_BELOW, "D");
  EXPECT_EQ(TREEVIEW_GetItem(h, s.A, TREEVIEW_GET_NEXT_SIBLING), D) << "below a node means after its subtree";
  EXPECT_EQ(TREEVIEW_InsertItem(h, 0, s.C, TREEVIEW_INSERT_FIRST_CHILD, "x"), 0);
  EXPECT_EQ(TREEVIEW_InsertItem(h, 0, 0, TREEVIEW_INSERT_BELOW, "x"), 0);
  EXPECT_EQ(TREEVIEW_InsertItem(h, 0, s.C, 7, "x"), 0);
  EXPECT_EQ(wmtest::Errors, (std::vector<std::string>{"W:TREEVIEW:\nCan not be indented at a leaf in _LinkItem()!",
                                                      "W:TREEVIEW:\nPosition has not been defined in _LinkItem()!",
                                                      "W:TREEVIEW:\nUnknown position in _LinkItem()!"}));
  wmtest::Errors.clear();
  // The first item has no previous item, yet it is attached: linking it below its own child is refused.
  EXPECT_EQ(TREEVIEW_AttachItem(h, s.A, s.a1, TREEVIEW_INSERT_BELOW), 1);
  // A detached subtree cannot be attached relative to one of its own items.
  TREEVIEW_ITEM_Detach(s.B);
  EXPECT_EQ(TREEVIEW_AttachItem(h, s.B, s.b1, TREEVIEW_INSERT_BELOW), 1);
  EXPECT_EQ(TREEVIEW_AttachItem(h, s.b1, s.C, TREEVIEW_INSERT_BELOW), 1) << "not a head";
  EXPECT_EQ(wmtest::Errors,
            (std::vector<std::string>{
                "W:TREEVIEW:\nItem is already attached in TREEVIEW_AttachItem()!",
                "W:TREEVIEW:\nPosition is not an item of this tree in _LinkItem()!",
                "W:TREEVIEW:\nItem is not allowed to have previous items in TREEVIEW_AttachItem()!"}));
  EXPECT_EQ(Shown(h), (std::vector<std::string>{"A", "a1", "a2", "D", "C"}));
  // Attached two levels deeper, the children follow.
  EXPECT_EQ(TREEVIEW_AttachItem(h, s.B, s.a1, TREEVIEW_INSERT_BELOW), 0);
  TREEVIEW_ITEM_INFO Info;
  TREEVIEW_ITEM_GetInfo(s.b1, &Info);
  EXPECT_EQ(Info.Level, 2);
  EXPECT_EQ(Info.IsNode, 0);
  TREEVIEW_ITEM_Expand(s.B);
  EXPECT_EQ(Shown(h), (std::vector<std::string>{"A", "a1", "B", "b1", "a2", "D", "C"}));
}

TEST_F(TreeviewTest, RelationsAndTheirRefusals) {
  WM_HWIN h = Tree();
  Sample s(h);
  EXPECT_EQ(TREEVIEW_GetItem(h, 0, TREEVIEW_GET_LAST), s.C);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.a2, TREEVIEW_GET_PREV_SIBLING), s.a1);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.a1, TREEVIEW_GET_PREV_SIBLING), 0);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.B, TREEVIEW_GET_PREV_SIBLING), s.A);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.a2, TREEVIEW_GET_NEXT_SIBLING), 0);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.B, TREEVIEW_GET_FIRST_CHILD), s.b1);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.b1, TREEVIEW_GET_PARENT), s.B);
  GUI_HMEM E = TREEVIEW_InsertItem(h, 1, s.C, TREEVIEW_INSERT_ABOVE, "E");
  EXPECT_EQ(TREEVIEW_GetItem(h, E, TREEVIEW_GET_FIRST_CHILD), 0) << "a node without children has no first child";
  EXPECT_TRUE(wmtest::Errors.empty());
  EXPECT_EQ(TREEVIEW_GetItem(h, 0, TREEVIEW_GET_PARENT), 0);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.C, TREEVIEW_GET_FIRST_CHILD), 0);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.A, TREEVIEW_GET_PARENT), 0);
  EXPECT_EQ(wmtest::Errors, (std::vector<std::string>{"W:TREEVIEW:\nZero handle not allowed in TREEVIEW_GetItem()!",
                                                      "W:TREEVIEW:\nItem is not a node in TREEVIEW_GetItem()!",
                                                      "W:TREEVIEW:\nIllegal level in TREEVIEW_GetItem()!"}));
}

TEST_F(TreeviewTest, DetachingHandsTheSelectionOnAndSetTextRenewsTheHandle) {
  WM_HWIN h = Tree();
  Sample s(h);
  TREEVIEW_SetSel(h, s.A);
  TREEVIEW_ITEM_Detach(s.A);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.B) << "the next shown item after the subtree";
  TREEVIEW_SetSel(h, s.C);
  TREEVIEW_ITEM_Delete(s.C);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.B) << "at the end: the previous shown item";
  TREEVIEW_ITEM_Expand(s.B);
  TREEVIEW_SetSel(h, s.b1);
  TREEVIEW_ITEM_Delete(s.B);
  EXPECT_EQ(TREEVIEW_GetSel(h), 0) << "a deleted descendant is not kept selected";
  EXPECT_EQ(TREEVIEW_GetItem(h, 0, TREEVIEW_GET_FIRST), 0);
  EXPECT_EQ(TREEVIEW_AttachItem(h, s.A, 0, 0), 0);
  GUI_HMEM hNew = TREEVIEW_ITEM_SetText(s.A, "Alpha");
  EXPECT_NE(hNew, 0);
  EXPECT_EQ(TREEVIEW_GetSel(h), hNew);
  EXPECT_EQ(TREEVIEW_GetItem(h, 0, TREEVIEW_GET_FIRST), hNew);
  EXPECT_EQ(TREEVIEW_GetItem(h, s.a1, TREEVIEW_GET_PARENT), hNew);
  char ab[4];
  TREEVIEW_ITEM_GetText(hNew, ab, 4);
  EXPECT_STREQ(ab, "Alp");
  EXPECT_EQ(TREEVIEW_SetIndent(h, 15), 16);
  EXPECT_EQ(TREEVIEW_SetIndent(h, 16), 14);
  // Indents beyond the coordinates are held to them, so that the positions of deep rows add up.
  TREEVIEW_SetIndent(h, INT32_MAX);
  TREEVIEW_SetTextIndent(h, INT32_MIN);
  WM_Exec();
  EXPECT_EQ(TREEVIEW_SetIndent(h, 16), 0x7FFE);
  EXPECT_EQ(TREEVIEW_SetTextIndent(h, 4), -0x8000);
}

TEST_F(TreeviewTest, KeysWalkTheShownItems) {
  WM_HWIN h = Tree();
  Sample s(h);
  WM_SetFocus(h);
  Heard().clear();
  std::vector<std::string> Seen;
  for (int k : {GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_RIGHT, GUI_KEY_RIGHT, GUI_KEY_LEFT, GUI_KEY_LEFT,
                GUI_KEY_DOWN, GUI_KEY_HOME, GUI_KEY_END, GUI_KEY_UP}) {
    Key(k);
    Seen.push_back(Text(TREEVIEW_GetSel(h)));
  }
  EXPECT_EQ(Seen, (std::vector<std::string>{"a1", "a2", "B", "B", "b1", "B", "B", "C", "A", "C", "B"}));
  // Right on an expanded node moves without notification; expanding and collapsing tell nothing.
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 8u);
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(Heard().back(), "key 13") << "other keys go on to the parent";
  // A selection inside the collapsed B: Left and Up go to B, the node that hides it, not to its hidden parent;
  // Down and the selection steps go to the shown items around B.
  GUI_HMEM b0 = TREEVIEW_InsertItem(h, 1, s.B, TREEVIEW_INSERT_FIRST_CHILD, "b0");
  GUI_HMEM b00 = TREEVIEW_InsertItem(h, 0, b0, TREEVIEW_INSERT_FIRST_CHILD, "b00");
  TREEVIEW_ITEM_Expand(b0);
  std::pair<std::function<void()>, std::string> Steps[] = {{[&] { Key(GUI_KEY_LEFT); }, "B"},
                                                            {[&] { Key(GUI_KEY_UP); }, "B"},
                                                            {[&] { Key(GUI_KEY_DOWN); }, "C"},
                                                            {[&] { TREEVIEW_DecSel(h); }, "B"},
                                                            {[&] { TREEVIEW_IncSel(h); }, "C"}};
  for (auto& [Step, Want] : Steps) {
    TREEVIEW_SetSel(h, b00);
    Step();
    EXPECT_EQ(Text(TREEVIEW_GetSel(h)), Want);
  }
}

TEST_F(TreeviewTest, PressSelectsAndADoubleClickToggles) {
  WM_HWIN h = Tree();
  Sample s(h);
  WM_Exec();
  Heard().clear();
  // Rows are 16 high from the inside top (y 12 on the display); row 3 is B. The selectable part of a
  // top-level row runs from x 16 to 16 + 20 + the text width in window coordinates.
  Press(50, 12 + 3 * 16 + 8);
  Release(50, 12 + 3 * 16 + 8);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.B);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:8", "7:1", "7:2"})) << "no selection notification on a press";
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.B) << "keys wait while a double click may come";
  Press(50, 12 + 3 * 16 + 8);
  Release(50, 12 + 3 * 16 + 8);
  EXPECT_EQ(Shown(h), (std::vector<std::string>{"A", "a1", "a2", "B", "b1", "C"}));
  Advance(300);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(TREEVIEW_GetSel(h), s.b1);
  // The button column of a top-level node toggles it at once.
  Press(12 + 8, 12 + 8);
  Release(12 + 8, 12 + 8);
  EXPECT_EQ(Shown(h), (std::vector<std::string>{"A", "B", "b1", "C"}));
  Press(200, 150); // outside: nothing
  Release(200, 150);
}

TEST_F(TreeviewTest, ScrollsTheSelectionIntoViewAndFollowsItsScrollBar) {
  WM_HWIN h = TREEVIEW_CreateEx(10, 10, 100, 52, hParent, WM_CF_SHOW, TREEVIEW_CF_AUTOSCROLLBAR_V, 7);
  GUI_HMEM hLast = TREEVIEW_InsertItem(h, 0, 0, 0, "0");
  for (int i = 1; i < 8; i++) {
    hLast = TREEVIEW_InsertItem(h, 0, hLast, TREEVIEW_INSERT_BELOW, std::to_string(i).c_str());
  }
  WM_Exec();
  WM_HWIN hBar = WM_GetScrollbarV(h);
  ASSERT_NE(hBar, 0);
  WM_SCROLL_STATE st;
  WM_GetScrollState(hBar, &st);
  EXPECT_EQ(st.NumItems, 9);
  EXPECT_EQ(st.PageSize, 3) << "48 pixels inside: three rows, the third reaching the bottom";
  TREEVIEW_SetSel(h, hLast);
  WM_GetScrollState(hBar, &st);
  EXPECT_EQ(st.Value, 5);
  Heard().clear();
  SCROLLBAR_SetValue(hBar, 2);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:10"}));
  TREEVIEW_SetAutoScrollV(h, 0);
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarV(h), 0);
}

// An item routine sees each shown row as background, text, lines, then the button and the item image; the
// heights it answers lay the rows out.
std::vector<std::pair<int, int>> g_Drawn;

int RecordingDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == TREEVIEW_ITEM_GET_YSIZE) {
    return 20;
  }
  if (pInfo->p) {
    g_Drawn.push_back({pInfo->Cmd, pInfo->Cmd == WIDGET_ITEM_DRAW_BITMAP ? pInfo->ItemIndex : pInfo->y0});
  }
  return TREEVIEW_OwnerDraw(pInfo);
}

TEST_F(TreeviewTest, TheItemRoutineDrawsEveryRowInItsOrder) {
  WM_HWIN h = TREEVIEW_CreateEx(10, 10, 150, 44, hParent, WM_CF_SHOW, 0, 7);
  GUI_HMEM A = TREEVIEW_InsertItem(h, 1, 0, 0, "A");
  TREEVIEW_InsertItem(h, 0, A, TREEVIEW_INSERT_FIRST_CHILD, "a");
  TREEVIEW_InsertItem(h, 0, A, TREEVIEW_INSERT_BELOW, "B");
  TREEVIEW_SetOwnerDraw(h, RecordingDraw);
  WM_Exec();
  g_Drawn.clear();
  WM_InvalidateWindow(h);
  WM_Exec();
  // Rows 20 high from the inside top (y 2): A (a collapsed node with a child: button 3, image 0) and B (a
  // leaf: image 2); the third row would start below the inside area.
  EXPECT_EQ(g_Drawn, (std::vector<std::pair<int, int>>{{5, 2}, {18, 2}, {20, 2}, {6, 3}, {6, 0},
                                                       {5, 22}, {18, 22}, {20, 22}, {6, 2}}));
  TREEVIEW_ITEM_Expand(A);
  TREEVIEW_SetOwnerDraw(h, nullptr);
  WM_Exec();
  TREEVIEW_OBJ* p = TREEVIEW_LockH(h);
  EXPECT_EQ(p->TotalHeight, 3 * 16) << "the default routine's rows";
  GUI_ALLOC_UnlockH(&p);
}

// The visible order of random trees against a model: a flat pre-order list of (id, level, node, expanded),
// with detached subtrees kept as lists of their own.
struct ModelItem {
  U32 Id;
  int Level;
  bool Node, Expanded;
};
using Chain = std::vector<ModelItem>;

size_t SubtreeEnd(const Chain& c, size_t i) {
  size_t j = i + 1;
  while (j < c.size() && c[j].Level > c[i].Level) {
    j++;
  }
  return j;
}

TEST_F(TreeviewTest, RandomTreesKeepTheirOrderAndLoseNoItem) {
  I32 Blocks0 = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = Tree(TREEVIEW_CF_AUTOSCROLLBAR_V | TREEVIEW_CF_AUTOSCROLLBAR_H);
  std::mt19937 Rng(27);
  auto Rand = [&](size_t n) { return (size_t)(Rng() % n); };
  Chain Tree;
  std::vector<Chain> Detached;
  std::map<U32, GUI_HMEM> Handle;
  U32 NextId = 1;
  auto Check = [&](int Step) {
    std::vector<U32> List, ShownIds, Expect, ExpectShown;
    for (GUI_HMEM x = TREEVIEW_GetItem(h, 0, TREEVIEW_GET_FIRST); x && List.size() <= Tree.size();
         x = TREEVIEW__Item(x)->hNext) {
      List.push_back(TREEVIEW_ITEM_GetUserData(x));
      ASSERT_EQ(TREEVIEW__Item(x)->Level, Tree[List.size() - 1].Level) << Step;
    }
    for (GUI_HMEM x = TREEVIEW_GetItem(h, 0, TREEVIEW_GET_FIRST); x && ShownIds.size() <= Tree.size();
         x = TREEVIEW__NextShown(x)) {
      ShownIds.push_back(TREEVIEW_ITEM_GetUserData(x));
    }
    for (size_t i = 0; i < Tree.size();) {
      ExpectShown.push_back(Tree[i].Id);
      i = (Tree[i].Node && !Tree[i].Expanded) ? SubtreeEnd(Tree, i) : i + 1;
    }
    for (const ModelItem& m : Tree) {
      Expect.push_back(m.Id);
    }
    ASSERT_EQ(List, Expect) << "step " << Step;
    ASSERT_EQ(ShownIds, ExpectShown) << "step " << Step;
    GUI_HMEM hSel = TREEVIEW_GetSel(h);
    if (hSel) {
      ASSERT_EQ(TREEVIEW__Item(hSel)->hTree, h) << "step " << Step;
    }
    ASSERT_EQ(TREEVIEW_GetItem(h, 0, TREEVIEW_GET_LAST), Tree.empty() ? 0 : Handle[Tree.back().Id]);
  };
  for (int Step = 0; Step < 3000; Step++) {
    int Op = (int)Rand(10);
    if (Tree.empty() || Op < 3) { // insert
      bool Node = Rand(2);
      U32 Id = NextId++;
      if (Tree.empty()) {
        GUI_HMEM x = TREEVIEW_InsertItem(h, Node, 0, 0, "n");
        ASSERT_NE(x, 0);
        TREEVIEW_ITEM_SetUserData(x, Id);
        Handle[Id] = x;
        Tree.push_back({Id, 0, Node, false});
      } else {
        size_t p = Rand(Tree.size());
        int Pos = (int)Rand(3);
        GUI_HMEM x = TREEVIEW_InsertItem(h, Node, Handle[Tree[p].Id], Pos, "item");
        if (Pos == TREEVIEW_INSERT_FIRST_CHILD && !Tree[p].Node) {
          ASSERT_EQ(x, 0);
          wmtest::Errors.clear();
          continue;
        }
        ASSERT_NE(x, 0);
        TREEVIEW_ITEM_SetUserData(x, Id);
        Handle[Id] = x;
        size_t At = Pos == 0 ? p : Pos == 1 ? SubtreeEnd(Tree, p) : p + 1;
        Tree.insert(Tree.begin() + (long)At, {Id, Tree[p].Level + (Pos == 2), Node, false});
      }
    } else if (Op == 3) { // detach
      size_t p = Rand(Tree.size());
      size_t e = SubtreeEnd(Tree, p);
      TREEVIEW_ITEM_Detach(Handle[Tree[p].Id]);
      Chain c(Tree.begin() + (long)p, Tree.begin() + (long)e);
      int L = c[0].Level;
      for (ModelItem& m : c) {
        m.Level -= L;
      }
      Tree.erase(Tree.begin() + (long)p, Tree.begin() + (long)e);
      Detached.push_back(c);
    } else if (Op == 4 && !Detached.empty()) { // attach, sometimes relative to one of its own items
      size_t d = Rand(Detached.size());
      Chain& c = Detached[d];
      if (Rand(4) == 0) {
        ASSERT_EQ(TREEVIEW_AttachItem(h, Handle[c[0].Id], Handle[c[Rand(c.size())].Id], (int)Rand(3)), 1);
        wmtest::Errors.clear();
        continue;
      }
      size_t p = Rand(Tree.size());
      int Pos = (int)Rand(3);
      int r = TREEVIEW_AttachItem(h, Handle[c[0].Id], Handle[Tree[p].Id], Pos);
      if (Pos == 2 && !Tree[p].Node) {
        ASSERT_EQ(r, 1);
        wmtest::Errors.clear();
        continue;
      }
      ASSERT_EQ(r, 0);
      int L = Tree[p].Level + (Pos == 2);
      for (ModelItem& m : c) {
        m.Level += L;
      }
      size_t At = Pos == 0 ? p : Pos == 1 ? SubtreeEnd(Tree, p) : p + 1;
      Tree.insert(Tree.begin() + (long)At, c.begin(), c.end());
      Detached.erase(Detached.begin() + (long)d);
    } else if (Op == 5 || Op == 6) { // expand or collapse, sometimes a whole subtree
      size_t p = Rand(Tree.size());
      bool Expand = Op == 5, All = Rand(3) == 0;
      GUI_HMEM x = Handle[Tree[p].Id];
      All ? (Expand ? TREEVIEW_ITEM_ExpandAll(x) : TREEVIEW_ITEM_CollapseAll(x))
          : (Expand ? TREEVIEW_ITEM_Expand(x) : TREEVIEW_ITEM_Collapse(x));
      for (size_t i = p, e = All ? SubtreeEnd(Tree, p) : p + 1; i < e; i++) {
        if (Tree[i].Node) {
          Tree[i].Expanded = Expand;
        }
      }
    } else if (Op == 7) { // delete with children, attached or detached
      bool FromTree = Detached.empty() || Rand(2);
      Chain& c = FromTree ? Tree : Detached[Rand(Detached.size())];
      size_t p = Rand(c.size());
      size_t e = SubtreeEnd(c, p);
      TREEVIEW_ITEM_Delete(Handle[c[p].Id]);
      for (size_t i = p; i < e; i++) {
        Handle.erase(c[i].Id);
      }
      c.erase(c.begin() + (long)p, c.begin() + (long)e);
      Detached.erase(std::remove_if(Detached.begin(), Detached.end(), [](const Chain& x) { return x.empty(); }),
                     Detached.end());
    } else if (Op == 8) {
      TREEVIEW_SetSel(h, Handle[Tree[Rand(Tree.size())].Id]);
      Key(Rand(2) ? GUI_KEY_DOWN : GUI_KEY_LEFT);
    } else {
      WM_Exec(); // layout and paint the tree as it is
    }
    ASSERT_TRUE(wmtest::Errors.empty()) << Step << ": " << wmtest::Errors[0];
    Check(Step);
    if (HasFatalFailure()) {
      return;
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
  for (const Chain& c : Detached) {
    TREEVIEW_ITEM_Delete(Handle[c[0].Id]);
  }
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Blocks0) << "every item is freed";
}

// Lines, buttons and images; row selection; disabled; no lines; scrolled with both bars.
TEST_F(TreeviewTest, Golden) {
  auto Make = [&](int x, int y, int Flags) {
    WM_HWIN h = TREEVIEW_CreateEx(x, y, 116, 76, hParent, WM_CF_SHOW, Flags, 7);
    Sample s(h);
    TREEVIEW_ITEM_Expand(s.B);
    TREEVIEW_SetSel(h, s.a2);
    return h;
  };
  Make(2, 2, 0);
  Make(120, 2, TREEVIEW_CF_ROWSELECT);
  WM_DisableWindow(Make(2, 80, TREEVIEW_CF_HIDELINES));
  WM_HWIN h = Make(120, 80, TREEVIEW_CF_AUTOSCROLLBAR_V | TREEVIEW_CF_AUTOSCROLLBAR_H);
  TREEVIEW_SetFont(h, &UI_Font20);
  TREEVIEW_SetSel(h, TREEVIEW_GetItem(h, 0, TREEVIEW_GET_LAST));
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/treeview/states", golden::CaptureLCD(0, 0, 239, 159)));
}

} // namespace
