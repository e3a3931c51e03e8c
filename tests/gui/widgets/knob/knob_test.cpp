// The knob: turning arithmetic (wrapping angle, unwrapped value, range), keys, motion by the pointer, the
// rounded value, refused settings, and golden images of the rotated picture.
#include "GUI_MEMDEV.h"
#include "KNOB.h"
#include "WM_Motion.h"
#include "widget_support.h"

namespace {

class KnobTest : public WidgetParentTest<290, 120> {
protected:
  void TearDown() override {
    for (GUI_HMEM h : ahMem) {
      GUI_MEMDEV_Delete(h);
    }
    WM_MOTION_Enable(0);
    WidgetParentTest::TearDown();
  }
  WM_HWIN Make(int x = 10, int y = 10) { return KNOB_CreateEx(x, y); }
  WM_HWIN KNOB_CreateEx(int x, int y) { return KNOB_Create(x, y, 60, 60, hParent, WM_CF_SHOW, 6); }
  // Sends one motion step as the motion support does.
  static void Motion(WM_HWIN h, I32 Cmd, I32 dx) {
    WM_MOTION_INFO Info = {};
    Info.Cmd = Cmd;
    Info.dx = dx;
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_MOTION;
    Msg.Data.p = &Info;
    WM_SendMessage(h, &Msg);
  }
  static KNOB_OBJ Obj(WM_HWIN h) {
    KNOB_OBJ* p = KNOB_LockH(h);
    KNOB_OBJ o = *p;
    GUI_ALLOC_UnlockH(&p);
    return o;
  }
  // A 40 x 40 picture: a grey disc with a dark marker pointing right.
  GUI_HMEM Picture() {
    GUI_HMEM h = GUI_MEMDEV_Create32(0, 0, 40, 40);
    GUI_HMEM hOld = GUI_MEMDEV_Select(h);
    GUI_SetBkColor(0xFF000000);
    GUI_Clear();
    GUI_SetColor(0xA0A0A0);
    GUI_FillCircle(20, 20, 18);
    GUI_SetColor(0x202080);
    GUI_FillRect(24, 18, 37, 22);
    GUI_MEMDEV_Select(hOld);
    ahMem.push_back(h);
    return h;
  }
  std::vector<GUI_HMEM> ahMem;
};

TEST_F(KnobTest, TurningWrapsTheAngleButNotTheValue) {
  WM_HWIN h = Make();
  Heard().clear();
  Motion(h, WM_MOTION_MOVE, 3700);
  EXPECT_EQ(Obj(h).Angle, 100) << "the delta is first reduced to +100";
  EXPECT_EQ(Obj(h).Value, 100);
  KNOB_SetPos(h, 3550);
  Motion(h, WM_MOTION_MOVE, 100);
  EXPECT_EQ(Obj(h).Angle, 50);
  EXPECT_EQ(Obj(h).Value, 3650);
  Motion(h, WM_MOTION_MOVE, -2000); // the short way round: +1600
  EXPECT_EQ(Obj(h).Value, 5250);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"6:5", "6:5", "6:5", "6:5"}));
}

TEST_F(KnobTest, ARangeStopsValueAndAngle) {
  WM_HWIN h = Make();
  KNOB_SetRange(h, 0, 900);
  Motion(h, WM_MOTION_MOVE, 800);
  Motion(h, WM_MOTION_MOVE, 300);
  EXPECT_EQ(Obj(h).Value, 900);
  EXPECT_EQ(Obj(h).Angle, 900);
  Motion(h, WM_MOTION_MOVE, -1000);
  EXPECT_EQ(Obj(h).Value, 0);
  KNOB_SetTickSize(h, 10);
  KNOB_AddValue(h, 200);
  EXPECT_EQ(Obj(h).Angle, 2000);
  KNOB_AddValue(h, 900);
  EXPECT_EQ(Obj(h).Angle, 9000) << "the range counts in ticks, as when turning";
  // A range given the wrong way round: both limits apply, the lower one last.
  KNOB_SetTickSize(h, 1);
  KNOB_SetPos(h, 0);
  KNOB_SetRange(h, 900, 0);
  Motion(h, WM_MOTION_MOVE, 100);
  EXPECT_EQ(Obj(h).Value, 900);
  EXPECT_EQ(Obj(h).Angle, 900);
  KNOB_AddValue(h, 50);
  EXPECT_EQ(Obj(h).Angle, 900);
}

TEST_F(KnobTest, LargeTicksAndPositionsStayInRange) {
  WM_HWIN h = Make();
  KNOB_SetDevice(h, Picture());
  KNOB_SetTickSize(h, 1000000);
  KNOB_SetPos(h, 3000);
  EXPECT_EQ(Obj(h).Angle, INT32_MAX);
  KNOB_SetOffset(h, INT32_MAX);
  WM_Exec(); // draws the angle of whole turns less
  KNOB_AddValue(h, -5000);
  EXPECT_EQ(Obj(h).Value, INT32_MIN);
  KNOB_SetRange(h, -3000, 3000);
  Motion(h, WM_MOTION_MOVE, -100);
  EXPECT_EQ(Obj(h).Value, INT32_MIN);
  KNOB_SetSnap(h, 5000);
  KNOB_SetKeyValue(h, -5000);
  EXPECT_EQ(Obj(h).Snap, INT32_MAX);
  EXPECT_EQ(Obj(h).KeyValue, INT32_MIN);
  KNOB_SetRange(h, 0, 0);
  KNOB_SetTickSize(h, 3);
  KNOB_SetPos(h, 0);
  Motion(h, WM_MOTION_MOVE, -3);
  KNOB_SetRange(h, INT32_MAX, INT32_MAX);
  EXPECT_EQ(KNOB_GetValue(h), INT32_MIN) << "-3 less the largest minimum";
}

TEST_F(KnobTest, ValueRoundsToTicksAndRefusesATickOfZero) {
  WM_HWIN h = Make();
  KNOB_SetTickSize(h, 10);
  KNOB_SetTickSize(h, 0);
  EXPECT_EQ(Obj(h).TickSize, 10);
  KNOB_SetPos(h, 0);
  Motion(h, WM_MOTION_MOVE, -15);
  KNOB_SetRange(h, 3, 50);
  EXPECT_EQ(KNOB_GetValue(h), -20 - 3);
  KNOB_SetRange(h, 0, 0);
  Motion(h, WM_MOTION_MOVE, 30);
  EXPECT_EQ(KNOB_GetValue(h), 20) << "15 rounds half away from zero";
  KNOB_SetSnap(h, 9);
  KNOB_SetKeyValue(h, 3);
  KNOB_SetPeriod(h, -1);
  EXPECT_EQ(Obj(h).Snap, 90);
  EXPECT_EQ(Obj(h).KeyValue, 30);
  EXPECT_EQ(Obj(h).Period, 1500);
  EXPECT_EQ(KNOB_GetValue(0), 0);
}

TEST_F(KnobTest, KeysTurnByTheTickOrTheKeyValue) {
  WM_HWIN h = Make();
  WM_SetFocus(h);
  KNOB_SetKeyValue(h, 5);
  Heard().clear();
  Key(GUI_KEY_LEFT);
  Key(GUI_KEY_UP);
  EXPECT_EQ(Obj(h).Value, 10);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(Obj(h).Value, 5);
  KNOB_SetTickSize(h, 150);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(Obj(h).Value, -145);
  EXPECT_EQ(Obj(h).Angle, 3455);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"6:5", "key 16", "key 16", "6:5", "key 17", "key 17", "6:5", "key 19",
                                               "key 19", "6:5", "key 18", "key 18"}))
      << "each key also goes on to the parent, pressed and released";
  // A tick size below 2 leaves the step to the key value, here the smallest int: each key turns by what
  // it has over whole turns (848), without overflow.
  KNOB_SetTickSize(h, -7);
  KNOB_SetKeyValue(h, INT32_MAX);
  EXPECT_EQ(Obj(h).KeyValue, INT32_MIN);
  Key(GUI_KEY_LEFT);
  EXPECT_EQ(Obj(h).Value, -145 - 848);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(Obj(h).Value, -145);
}

// Dragging around the centre turns the knob through the motion support; with a period of zero the release
// ends on a snap multiple at once, without dividing by the period.
TEST_F(KnobTest, DraggingAroundTheCentreTurns) {
  WM_HWIN h = Make(100, 20); // centre (130, 50)
  KNOB_SetSnap(h, 450);
  KNOB_SetPeriod(h, 0);
  Heard().clear();
  Press(155, 50);
  Clock.Advance(20);
  Press(130, 75); // a quarter turn
  Clock.Advance(500);
  Release(130, 75);
  for (int i = 0; i < 50; i++) {
    Advance(10);
  }
  KNOB_OBJ o = Obj(h);
  EXPECT_EQ(std::abs(o.Value), 900);
  EXPECT_EQ(o.Value % 450, 0);
  EXPECT_NE(std::find(Heard().begin(), Heard().end(), "6:1"), Heard().end());
  EXPECT_NE(std::find(Heard().begin(), Heard().end(), "6:2"), Heard().end());
}

TEST_F(KnobTest, Golden) {
  GUI_HMEM hPic = Picture();
  WM_HWIN h0 = Make(10, 10);
  KNOB_SetDevice(h0, hPic);
  WM_HWIN h1 = Make(80, 10);
  KNOB_SetDevice(h1, hPic);
  KNOB_SetBkColor(h1, 0xFFFFFF);
  KNOB_SetPos(h1, 450);
  WM_HWIN h2 = Make(150, 10); // drawn only at multiples of 15 degrees: 20 degrees shows as 15
  KNOB_SetDevice(h2, hPic);
  KNOB_SetTickSize(h2, 150);
  Motion(h2, WM_MOTION_MOVE, 200);
  GUI_HMEM hBk = GUI_MEMDEV_Create32(0, 0, 60, 60);
  ahMem.push_back(hBk);
  GUI_HMEM hOld = GUI_MEMDEV_Select(hBk);
  GUI_DrawGradientV(0, 0, 59, 59, 0x00C0FF, 0xFF8000);
  GUI_MEMDEV_Select(hOld);
  WM_HWIN h3 = Make(220, 10);
  KNOB_SetDevice(h3, hPic);
  KNOB_SetBkDevice(h3, hBk);
  KNOB_SetOffset(h3, -900);
  WM_Exec();
  EXPECT_TRUE(wmtest::Errors.empty());
  EXPECT_TRUE(golden::Matches("widgets/knob/angles", golden::CaptureLCD(0, 0, 289, 79)));
}

} // namespace
