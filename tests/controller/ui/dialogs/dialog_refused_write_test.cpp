// A write the node refuses for the granted access level is not passed over in silence: a result dialog says
// that the access level is too low. A write the level allows shows nothing.
#include "FKT_Access.h"
#include "IO_Objects.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "UI_Dialog.h"
#include "UI_ElementFile.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "main_fixture.h"

namespace {

class RefusedWriteTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallDialogs();
  }
  void TearDown() override {
    if (UI_hEntryDialog) WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
    UI_DialogHooks = {};
    FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
    MainScreenTest::TearDown();
  }
};

TEST_F(RefusedWriteTest, AValueAboveTheGrantedLevelIsReportedAsSuch) {
  // A parameter of input 1 that only a technician or an expert may change.
  int Number = -1;
  for (int k = 0; k < 32 && Number < 0; k++) {
    const FKT_ParamDesc* d = IO_Inputs[0].GetParamDesc(k);
    if (d && d->Access > FKT_LEVEL_USER) Number = k;
  }
  ASSERT_GE(Number, 0);
  uint32_t Address = OBJ_ValueIndex(OBJ_VIEW_ENTRY_ABS, OBJ_FAM_INPUT, Number);
  int32_t Before = IO_Inputs[0].GetParameter(Number);
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
  EXPECT_EQ(UI_WriteMenuEntry(Address, 0x20, Before + 1), 0);
  Settle();
  ASSERT_TRUE(UI_hEntryDialog);
  UI_ConfirmInfo Info = {};
  WM_GetUserData(UI_hEntryDialog, &Info, sizeof(Info));
  EXPECT_EQ(Info.TextIndex, UI_TITLE_LEVEL_TOO_LOW);
  EXPECT_EQ(IO_Inputs[0].GetParameter(Number), Before);
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
  Settle();
  // A value refused for its range says nothing about levels.
  FKT_AccessLevels[0].Level = FKT_LEVEL_EXPERT;
  EXPECT_EQ(UI_WriteMenuEntry(Address, 0x20, INT32_MAX), 0);
  Settle();
  EXPECT_FALSE(UI_hEntryDialog);
}

}  // namespace
