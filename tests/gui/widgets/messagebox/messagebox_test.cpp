// The message box: its size from text and caption within the display, its answers to OK, Enter and
// Escape, dragging only when asked, pointer modality, and a golden image.
#include "FRAMEWIN.h"
#include "LCD.h"
#include "MESSAGEBOX.h"
#include "modal_script.h"
#include "widget_support.h"

namespace {

class MessageBoxTest : public WidgetTest {};

TEST_F(MessageBoxTest, SizedFromCaptionOrTextWithinTheDisplay) {
  WM_HWIN h = GUI_CreateMessageBox("Hi", "A much longer caption", 0);
  ASSERT_NE(h, 0);
  int L = FRAMEWIN_GetBorderSizeEx(h, FRAMEWIN_EDGE_LEFT);
  GUI_Lock();
  int Caption = GUI_GetStringDistX("A much longer caption");
  GUI_Unlock();
  EXPECT_EQ(WM_GetWindowSizeX(h), 2 * L + Caption);
  EXPECT_EQ(WM_GetWindowPosX(h), (LCD_GetXSize() - WM_GetWindowSizeX(h)) / 2) << "centred";
  WM_DeleteWindow(h);
  std::string Wide(200, 'W');
  h = GUI_CreateMessageBox(Wide.c_str(), "C", 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), LCD_GetXSize());
  EXPECT_EQ(WM_GetWindowPosX(h), 0);
  WM_DeleteWindow(h);
  h = GUI_CreateMessageBox(nullptr, nullptr, 0);
  EXPECT_NE(h, 0) << "missing texts are empty ones";
  WM_DeleteWindow(h);
}

TEST_F(MessageBoxTest, AnsweredByOkEnterAndEscape) {
  {
    modalscript::Script s;
    s.Do([] { GUI_StoreKeyMsg(GUI_KEY_ESCAPE, 0); }) // a release alone does nothing
        .Key('x')
        .Key(GUI_KEY_ESCAPE);
    EXPECT_EQ(GUI_MessageBox("Leave?", "Question", 0), 1);
    EXPECT_EQ(modalscript::Extra, 0) << "the box ended on the scripted Escape";
  }
  {
    modalscript::Script s;
    s.Key(GUI_KEY_ENTER);
    EXPECT_EQ(GUI_MessageBox("Done", "Info", 0), 0);
  }
  {
    modalscript::Script s;
    WM_HWIN h = GUI_CreateMessageBox("Done", "Info", 0);
    WM_HWIN hOk = WM_FindChildById(WM_GetClientWindow(h), GUI_ID_OK);
    GUI_RECT r = Rect(hOk);
    s.Do([&] { Press(r.x0 + 5, r.y0 + 5); }).Do([&] { Release(r.x0 + 5, r.y0 + 5); });
    EXPECT_EQ(GUI_ExecCreatedDialog(h), 0);
    EXPECT_EQ(modalscript::Extra, 0);
  }
}

TEST_F(MessageBoxTest, DraggedOnlyWhenMoveable) {
  for (int Flags : {0, GUI_MESSAGEBOX_CF_MOVEABLE}) {
    WM_HWIN h = GUI_CreateMessageBox("Drag me", "Box", Flags);
    GUI_RECT r = Rect(h);
    Press(r.x0 + 10, r.y0 + 5);
    Press(r.x0 + 30, r.y0 + 25);
    Release(r.x0 + 30, r.y0 + 25);
    EXPECT_EQ(Rect(h).x0, Flags ? r.x0 + 20 : r.x0);
    WM_DeleteWindow(h);
  }
}

TEST_F(MessageBoxTest, ModalBoxKeepsThePointerToItself) {
  WM_HWIN hBehind = WM_CreateWindow(0, 0, 60, 60, WM_CF_SHOW, widgettest::cbParent, 0);
  WM_HWIN hCheck = CHECKBOX_CreateEx(5, 5, 20, 20, hBehind, WM_CF_SHOW, 0, 4);
  WM_HWIN h = GUI_CreateMessageBox("Modal", "Box", GUI_MESSAGEBOX_CF_MODAL);
  Press(10, 10);
  Release(10, 10);
  EXPECT_EQ(CHECKBOX_GetState(hCheck), 0);
  WM_DeleteWindow(h);
  WM_MakeModal(0);
  Press(10, 10);
  Release(10, 10);
  EXPECT_EQ(CHECKBOX_GetState(hCheck), 1);
}

TEST_F(MessageBoxTest, Golden) {
  WM_HWIN h = GUI_CreateMessageBox("The file was saved.\nSecond line", "Information", 0);
  WM_Exec();
  GUI_RECT r = Rect(h);
  EXPECT_TRUE(golden::Matches("widgets/messagebox/box", golden::CaptureLCD(r.x0, r.y0, r.x1, r.y1)));
}

} // namespace
