// Sprites keep and restore what lies beneath them exactly: when shown, moved, changed, drawn over and hidden.
#include "image_TestSupport.h"

#include "GUI_Sprite.h"

using namespace image_test;

namespace {

// A 6 x 5 picture of 8 bits per pixel: a ring of colour 1, a centre of colour 2, corners transparent.
struct Picture {
  GUI_COLOR aColors[3] = {0, GUI_RED, GUI_YELLOW};
  GUI_PALETTE Pal = {3, 1, aColors};
  uint8_t Data[30];
  GUI_BITMAP Bitmap = {6, 5, 6, 8, Data, &Pal, nullptr};
  explicit Picture(uint8_t Centre = 2) {
    for (int y = 0; y < 5; y++) {
      for (int x = 0; x < 6; x++) {
        bool Corner = (x == 0 || x == 5) && (y == 0 || y == 4);
        bool Inner = x >= 2 && x <= 3 && y >= 1 && y <= 3;
        Data[y * 6 + x] = Corner ? 0 : Inner ? Centre : 1;
      }
    }
  }
  U32 At(int x, int y) const { return Data[y * 6 + x]; }
};

constexpr int kW = 60, kH = 40;

class SpriteTest : public ImageTest {
 protected:
  // What the display shows: read from the driver, not through the chain (which answers with what lies
  // beneath a sprite).
  static std::vector<GUI_COLOR> Screen() {
    std::vector<GUI_COLOR> v;
    GUI_Lock();
    GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(0);
    for (int y = 0; y < kH; y++) {
      for (int x = 0; x < kW; x++) {
        v.push_back(LCD_Index2Color(pDriver->pDeviceAPI->pfGetPixelIndex(pDriver, x, y)) & 0xFFFFFF);
      }
    }
    GUI_Unlock();
    return v;
  }

  // Every pixel of the area a different colour.
  void SetUp() override {
    ImageTest::SetUp();
    for (int y = 0; y < kH; y++) {
      for (int x = 0; x < kW; x++) {
        GUI_SetColor(GUI_COLOR(x * 4) | GUI_COLOR(y * 6) << 8 | GUI_COLOR((x + y) * 3) << 16);
        GUI_DrawPixel(x, y);
      }
    }
    Background = Read(0, 0, kW, kH);
  }

  // The display as it must look with the picture at x, y over the background.
  void ExpectShownAt(const Picture& Pic, int x0, int y0, const char* pWhat) {
    auto Shown = Screen();
    for (int y = 0; y < kH; y++) {
      for (int x = 0; x < kW; x++) {
        GUI_COLOR Want = Background[y * kW + x];
        if (x >= x0 && x < x0 + 6 && y >= y0 && y < y0 + 5 && Pic.At(x - x0, y - y0)) {
          Want = OnDisplay(Pic.aColors[Pic.At(x - x0, y - y0)]);
        }
        ASSERT_EQ(Shown[y * kW + x], Want) << pWhat << " at " << x << "," << y;
      }
    }
  }

  std::vector<GUI_COLOR> Background;
};

TEST_F(SpriteTest, ShownMovedAndHiddenKeepsTheBackgroundExactly) {
  Picture Pic;
  GUI_HSPRITE h = GUI_SPRITE_CreateVisible(&Pic.Bitmap, 20, 10);
  ASSERT_NE(h, 0);
  EXPECT_EQ(GUI_SPRITE_IsVisible(h), 1);
  ExpectShownAt(Pic, 20, 10, "shown");
  GUI_SPRITE_SetPosition(h, 19, 10);  // one pixel to the left
  ExpectShownAt(Pic, 19, 10, "moved left");
  GUI_SPRITE_SetPosition(h, 22, 12);  // overlapping move down right
  ExpectShownAt(Pic, 22, 12, "moved down right");
  GUI_SPRITE_SetPosition(h, 21, 8);  // up left
  ExpectShownAt(Pic, 21, 8, "moved up left");
  GUI_SPRITE_SetPosition(h, 40, 30);  // far away, no overlap
  ExpectShownAt(Pic, 40, 30, "moved away");
  GUI_SPRITE_SetPosition(h, 56, 37);  // partly off the display's edge is fine too
  GUI_SPRITE_SetPosition(h, 40, 30);
  ExpectShownAt(Pic, 40, 30, "moved back");
  GUI_SPRITE_Hide(h);
  EXPECT_EQ(GUI_SPRITE_IsVisible(h), 0);
  EXPECT_EQ(Screen(), Background);
  GUI_SPRITE_SetPosition(h, 5, 5);  // hidden: nothing painted
  EXPECT_EQ(Screen(), Background);
  GUI_SPRITE_Show(h);
  ExpectShownAt(Pic, 5, 5, "shown again");
  GUI_SPRITE_Delete(h);
  EXPECT_EQ(Screen(), Background);
}

TEST_F(SpriteTest, DrawingGoesBeneathTheSprite) {
  Picture Pic;
  GUI_HSPRITE h = GUI_SPRITE_CreateVisible(&Pic.Bitmap, 10, 10);
  GUI_SetColor(GUI_BLUE);
  GUI_FillRect(8, 11, 30, 12);
  // Opaque sprite pixels stay; a transparent corner and everything around take the fill.
  auto Shown = Screen();
  EXPECT_EQ(Shown[11 * kW + 10], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[11 * kW + 12], OnDisplay(GUI_YELLOW));
  EXPECT_EQ(Shown[11 * kW + 9], OnDisplay(GUI_BLUE));
  EXPECT_EQ(Shown[11 * kW + 20], OnDisplay(GUI_BLUE));
  // Reading back beneath an opaque pixel gives what was drawn there.
  GUI_Lock();
  EXPECT_EQ(LCD_GetPixelColor(12, 11) & 0xFFFFFF, OnDisplay(GUI_BLUE));
  GUI_Unlock();
  // A bitmap drawn across the sprite goes beneath it too.
  uint8_t Row[20];
  std::memset(Row, 0xFF, sizeof(Row));
  const GUI_COLOR aBits[] = {GUI_BLACK, GUI_GREEN};
  GUI_PALETTE BitsPal = {2, 0, aBits};
  GUI_BITMAP Line = {20, 1, 3, 1, Row, &BitsPal, nullptr};
  GUI_DrawBitmap(&Line, 5, 13);
  Shown = Screen();
  EXPECT_EQ(Shown[13 * kW + 12], OnDisplay(GUI_YELLOW));
  EXPECT_EQ(Shown[13 * kW + 5], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Shown[13 * kW + 24], OnDisplay(GUI_GREEN));
  GUI_SPRITE_Hide(h);
  Shown = Screen();
  for (int x = 10; x < 16; x++) {
    EXPECT_EQ(Shown[11 * kW + x], OnDisplay(GUI_BLUE)) << x;
    EXPECT_EQ(Shown[13 * kW + x], OnDisplay(GUI_GREEN)) << x;
  }
  EXPECT_EQ(Shown[10 * kW + 12], Background[10 * kW + 12]);
  GUI_SPRITE_Delete(h);
}

TEST_F(SpriteTest, NewPictureOfTheSameSize) {
  Picture Pic, Other(1);
  GUI_HSPRITE h = GUI_SPRITE_CreateVisible(&Pic.Bitmap, 10, 10);
  EXPECT_EQ(GUI_SPRITE_SetBitmap(h, &Other.Bitmap), 0);
  ExpectShownAt(Other, 10, 10, "changed");
  EXPECT_EQ(GUI_SPRITE_SetBitmapAndPosition(h, &Pic.Bitmap, 11, 9), 0);
  ExpectShownAt(Pic, 11, 9, "changed and moved");
  uint8_t Data[4] = {1, 1, 1, 1};
  GUI_BITMAP Smaller = {2, 2, 2, 8, Data, &Pic.Pal, nullptr};
  EXPECT_EQ(GUI_SPRITE_SetBitmap(h, &Smaller), 1);
  ExpectShownAt(Pic, 11, 9, "refused");
  GUI_SPRITE_Delete(h);
  EXPECT_EQ(Screen(), Background);
}

TEST_F(SpriteTest, TwoOverlappingSpritesRestoreEachOther) {
  Picture A, B(1);
  GUI_HSPRITE ha = GUI_SPRITE_CreateVisible(&A.Bitmap, 10, 10);
  GUI_HSPRITE hb = GUI_SPRITE_CreateVisible(&B.Bitmap, 12, 11);
  // The later sprite stands nearer the head of the chain, so its painting passes the earlier one's device:
  // where both are opaque the earlier one shows.
  auto Shown = Screen();
  EXPECT_EQ(Shown[12 * kW + 13], OnDisplay(GUI_YELLOW));
  EXPECT_EQ(Shown[12 * kW + 17], OnDisplay(GUI_RED));
  GUI_SPRITE_SetPosition(ha, 9, 10);
  GUI_SPRITE_Hide(ha);
  ExpectShownAt(B, 12, 11, "front sprite alone");
  GUI_SPRITE_Delete(hb);
  GUI_SPRITE_Delete(ha);
  EXPECT_EQ(Screen(), Background);
}

TEST_F(SpriteTest, UnsuitablePicturesAreRefused) {
  uint8_t Data[8] = {};
  GUI_BITMAP Deep = {2, 2, 4, 16, Data, nullptr, &GUI_DRAW_BMPM565};
  EXPECT_EQ(GUI_SPRITE_Create(&Deep, 0, 0), 0);
  GUI_PALETTE Empty = {0, 1, nullptr};
  GUI_BITMAP NoColours = {2, 2, 2, 8, Data, &Empty, nullptr};
  EXPECT_EQ(GUI_SPRITE_Create(&NoColours, 0, 0), 0);
  Picture Pic;
  EXPECT_EQ(GUI_SPRITE_CreateEx(&Pic.Bitmap, 0, 0, 1), 0);
  EXPECT_EQ(GUI_SPRITE_Create(nullptr, 0, 0), 0);
  GUI_SPRITE_Delete(0);
  EXPECT_EQ(GUI_SPRITE_IsVisible(0), 0);
}

TEST_F(SpriteTest, AnimationStepsLoopsAndStopsOnHide) {
  Picture F0(0), F1(1), F2(2);
  const GUI_BITMAP* apFrames[] = {&F0.Bitmap, &F1.Bitmap, &F2.Bitmap};
  EXPECT_EQ(GUI_SPRITE_CreateAnim(apFrames, 10, 10, 0, nullptr, 3), 0);  // neither period given
  const unsigned aPeriods[] = {100, 100, 100};
  EXPECT_EQ(GUI_SPRITE_CreateAnim(apFrames, 10, 10, 100, aPeriods, 3), 0);  // both given
  GUI_HSPRITE h = GUI_SPRITE_CreateAnim(apFrames, 10, 10, 100, nullptr, 3);
  ASSERT_NE(h, 0);
  auto Step = [&](U32 ms) {
    Now() += ms;
    while (GUI_TIMER_Exec()) {
    }
  };
  ExpectShownAt(F0, 10, 10, "frame 0");
  Step(100);
  ExpectShownAt(F1, 10, 10, "frame 1");
  Step(100);
  ExpectShownAt(F2, 10, 10, "frame 2");
  Step(100);
  ExpectShownAt(F0, 10, 10, "looped to frame 0");
  EXPECT_EQ(GUI_SPRITE_SetLoop(h, 0), 1);
  Step(100);
  Step(100);
  ExpectShownAt(F2, 10, 10, "last frame");
  Step(100);
  ExpectShownAt(F2, 10, 10, "stopped on the last frame");
  EXPECT_EQ(GUI_SPRITE_StopAnim(h), 1);  // nothing running
  EXPECT_EQ(GUI_SPRITE_StartAnim(h), 0);
  EXPECT_EQ(GUI_SPRITE_StopAnim(h), 0);
  // Hiding stops the timer; showing again starts with the first frame.
  EXPECT_EQ(GUI_SPRITE_StartAnim(h), 0);
  GUI_SPRITE_Hide(h);
  EXPECT_EQ(Screen(), Background);
  Step(500);
  EXPECT_EQ(Screen(), Background);
  GUI_SPRITE_Show(h);
  ExpectShownAt(F0, 10, 10, "shown again");
  Step(100);
  ExpectShownAt(F1, 10, 10, "running again");
  GUI_SPRITE_Delete(h);
  EXPECT_EQ(Screen(), Background);
  Step(1000);  // no timer of the deleted sprite is left
  EXPECT_EQ(Screen(), Background);
  Picture Plain;
  EXPECT_EQ(GUI_SPRITE_SetLoop(GUI_SPRITE_Create(&Plain.Bitmap, 0, 0), 1), -1);
}

TEST_F(SpriteTest, PeriodsPerFrame) {
  Picture F0(0), F1(1);
  const GUI_BITMAP* apFrames[] = {&F0.Bitmap, &F1.Bitmap};
  const unsigned aPeriods[] = {50, 200};
  GUI_HSPRITE h = GUI_SPRITE_CreateAnim(apFrames, 3, 3, 0, aPeriods, 2);
  ASSERT_NE(h, 0);
  auto Step = [&](U32 ms) {
    Now() += ms;
    while (GUI_TIMER_Exec()) {
    }
  };
  Step(50);
  ExpectShownAt(F1, 3, 3, "after 50 ms");
  Step(199);
  ExpectShownAt(F1, 3, 3, "199 ms later");
  Step(1);
  ExpectShownAt(F0, 3, 3, "200 ms later");
  GUI_SPRITE_Delete(h);
}

}  // namespace
