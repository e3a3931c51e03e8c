// Movies built by the test from JPEG frames of one colour each: played under the test clock at their period,
// frames dropped when drawing is slow, every notification in order, looping, seeking, pausing; damaged
// files and frames stop the movie instead of being read outside the file.
#include "jpeg_TestSupport.h"

#include "GUI_ImageRead.h"
#include "GUI_MOVIE.h"

using namespace jpeg_test;

namespace {

const GUI_COLOR kFrameColor[] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF, 0x00FF00FF, 0x00FFFF00};

void Put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

struct Notification {
  GUI_MOVIE_HANDLE hMovie;
  int Code;
  U32 Frame;
  bool operator==(const Notification& o) const { return Code == o.Code && Frame == o.Frame; }
};
std::ostream& operator<<(std::ostream& os, const Notification& n) { return os << n.Code << "@" << n.Frame; }

std::vector<Notification>& Log() {
  static std::vector<Notification> v;
  return v;
}
int& DrawTime() {  // ms that drawing a frame takes on the test clock
  static int n;
  return n;
}
bool& DeleteOnDraw() {
  static bool b;
  return b;
}
int& SeekOnDraw() {  // frame sought from the notification before a frame is drawn (-1: none)
  static int n;
  return n;
}
// What the handler does to its movie when told that it is deleted.
enum OnDelete { kNothing, kDeleteOnce, kDeleteAlways, kPlay, kShow, kGotoFrame };
int& OnDeleteAction() {
  static int n;
  return n;
}

void Notify(GUI_MOVIE_HANDLE hMovie, int Code, U32 Frame) {
  Log().push_back({hMovie, Code, Frame});
  if (Code == GUI_MOVIE_NOTIFICATION_PREDRAW) {
    Now() += DrawTime();
    if (DeleteOnDraw()) {
      GUI_MOVIE_Delete(hMovie);
    }
    if (SeekOnDraw() >= 0) {
      GUI_MOVIE_GotoFrame(hMovie, U32(SeekOnDraw()));
      SeekOnDraw() = -1;
    }
  }
  if (Code == GUI_MOVIE_NOTIFICATION_DELETE) {
    long n = std::count_if(Log().begin(), Log().end(), [](const Notification& e) {
      return e.Code == GUI_MOVIE_NOTIFICATION_DELETE;
    });
    switch (OnDeleteAction()) {
    case kDeleteOnce:
      if (n == 1) {
        GUI_MOVIE_Delete(hMovie);
      }
      break;
    case kDeleteAlways:
      if (n < 50) {  // bounded, so that a movie that took it would not recurse for ever
        GUI_MOVIE_Delete(hMovie);
      }
      break;
    case kPlay:
      GUI_MOVIE_Play(hMovie);
      break;
    case kShow:
      GUI_MOVIE_Show(hMovie, 0, 0, 1);
      break;
    case kGotoFrame:
      GUI_MOVIE_GotoFrame(hMovie, 1);
      break;
    default:
      break;
    }
  }
}

class MovieTest : public JpegTest {
 protected:
  static constexpr int kSize = 16, kX = 40, kY = 30;
  std::vector<std::vector<uint8_t>> Frames;

  void SetUp() override {
    JpegTest::SetUp();
    Log().clear();
    DrawTime() = 0;
    DeleteOnDraw() = false;
    SeekOnDraw() = -1;
    OnDeleteAction() = kNothing;
    Now() = 1000;
    for (GUI_COLOR c : kFrameColor) {
      Picture p;
      p.XSize = p.YSize = kSize;
      for (int i = 0; i < kSize * kSize; i++) {
        p.Data.push_back(uint8_t(c));
        p.Data.push_back(uint8_t(c >> 8));
        p.Data.push_back(uint8_t(c >> 16));
      }
      Frames.push_back(Encode(p, "cjpeg", "1x1", 95, false));
      if (Frames.back().empty()) {
        GTEST_SKIP() << "cjpeg is not installed";
      }
    }
  }

  // A movie of the first NumFrames frames; Tag is the frame header's second word.
  std::vector<uint8_t> Build(int NumFrames, unsigned Period, uint32_t Tag = 0xFF010000) {
    std::vector<uint8_t> v = {'M', 'O', 'V', 'I', 'E', 'T', 'E', 'S', 'T', 0};
    Put16(v, kSize);
    Put16(v, kSize);
    Put16(v, Period);
    Put32(v, uint32_t(NumFrames));
    Put32(v, 0);  // index offset, set below
    std::vector<uint32_t> Index;
    for (int i = 0; i < NumFrames; i++) {
      Index.push_back(uint32_t(v.size()));
      Put32(v, 0);
      Put32(v, Tag);
      Put32(v, uint32_t(Frames[i].size()));
      Put32(v, 0);
      v.insert(v.end(), Frames[i].begin(), Frames[i].end());
    }
    uint32_t IndexOff = uint32_t(v.size());
    for (uint32_t Off : Index) {
      Put32(v, Off);
    }
    for (int i = 0; i < 4; i++) {
      v[20 + i] = uint8_t(IndexOff >> (8 * i));
    }
    return v;
  }

  // A memory movie of the whole file, notifying Notify.
  static GUI_MOVIE_HANDLE Create(const std::vector<uint8_t>& File) {
    return GUI_MOVIE_Create(File.data(), U32(File.size()), Notify);
  }

  // Which frame the display shows at the movie's position (-1: none).
  static int Shown() {
    GUI_COLOR c = Read(kX + kSize / 2, kY + kSize / 2, 1, 1)[0];
    for (int i = 0; i < 6; i++) {
      GUI_COLOR f = OnDisplay(kFrameColor[i]);
      int d = 0;
      for (int ch = 0; ch < 3; ch++) {
        d = std::max(d, std::abs(int((c >> (8 * ch)) & 0xFF) - int((f >> (8 * ch)) & 0xFF)));
      }
      if (d <= 12) {
        return i;
      }
    }
    return -1;
  }

  // Runs the due timers at time t.
  static void RunAt(U32 t) {
    Now() = t;
    while (GUI_TIMER_Exec()) {
    }
  }

  // Draw notifications only (frames drawn, in order).
  static std::vector<U32> Drawn() {
    std::vector<U32> v;
    for (const Notification& n : Log()) {
      if (n.Code == GUI_MOVIE_NOTIFICATION_POSTDRAW) {
        v.push_back(n.Frame);
      }
    }
    return v;
  }
};

TEST_F(MovieTest, PlaysAtItsPeriodWithEveryNotificationInOrder) {
  std::vector<uint8_t> File = Build(3, 100);
  GUI_MOVIE_INFO Info = {};
  ASSERT_EQ(GUI_MOVIE_GetInfo(File.data(), U32(File.size()), &Info), 0);
  EXPECT_EQ(Info.xSize, kSize);
  EXPECT_EQ(Info.msPerFrame, 100);
  EXPECT_EQ(Info.NumFrames, 3);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  EXPECT_EQ(GUI_MOVIE_Show(h, kX, kY, 0), 0);
  RunAt(1000);
  EXPECT_EQ(Shown(), 0);
  RunAt(1099);
  EXPECT_EQ(Shown(), 0) << "the next frame waits for its time";
  RunAt(1100);
  EXPECT_EQ(Shown(), 1);
  RunAt(1200);
  EXPECT_EQ(Shown(), 2);
  RunAt(1300);
  std::vector<Notification> Want = {{0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1},
                                    {0, 0, 2}, {0, 1, 2}, {0, 3, 2}};
  EXPECT_EQ(Log(), Want);
  EXPECT_EQ(GUI_MOVIE_Pause(h), 1) << "it ended by itself";
  int x, y, xs, ys;
  EXPECT_EQ(GUI_MOVIE_GetPos(h, &x, &y, &xs, &ys), 0);
  EXPECT_EQ(x, kX);
  EXPECT_EQ(ys, kSize);
  Log().clear();
  EXPECT_EQ(GUI_MOVIE_Delete(h), 0);
  EXPECT_EQ(Log(), (std::vector<Notification>{{0, 4, 0}}));
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(MovieTest, DropsFramesWhenDrawingIsSlow) {
  std::vector<uint8_t> File = Build(6, 100);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  DrawTime() = 250;
  GUI_MOVIE_Show(h, kX, kY, 0);
  for (U32 t = 1000; t <= 2000; t += 10) {
    RunAt(std::max(t, Now()));
  }
  // Frame 0 ends at 1250: frames 1 and 2 (due 1100, 1200) are late, frame 3 is drawn at 1300 and ends at
  // 1550, frames 4 and 5 are late, and the movie ends.
  EXPECT_EQ(Drawn(), (std::vector<U32>{0, 3}));
  EXPECT_EQ(Log().back().Code, GUI_MOVIE_NOTIFICATION_STOP);
  GUI_MOVIE_Delete(h);
}

TEST_F(MovieTest, LoopsAndReadsTheIndexAgain) {
  std::vector<uint8_t> File = Build(3, 50);
  uint32_t IndexOff = GUI__Get32(File.data() + 20);
  struct Counting {
    Source Src;
    int IndexReads = 0;
    uint32_t IndexOff;
  } c;
  c.Src.Data = File;
  c.IndexOff = IndexOff;
  auto Get = [](void* p, const U8** pp, unsigned n, U32 Off) {
    Counting* pc = static_cast<Counting*>(p);
    pc->IndexReads += Off >= pc->IndexOff;
    return GetData(&pc->Src, pp, n, Off);
  };
  GUI_MOVIE_HANDLE h = GUI_MOVIE_CreateEx(Get, &c, Notify);
  ASSERT_NE(h, 0);
  int ReadsAfterCreate = c.IndexReads;
  GUI_MOVIE_Show(h, kX, kY, 1);
  for (U32 t = 1000; t <= 1300; t += 50) {
    RunAt(t);
  }
  EXPECT_EQ(Drawn(), (std::vector<U32>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_GE(c.IndexReads, ReadsAfterCreate + 2) << "the index is read again after each loop";
  GUI_MOVIE_Delete(h);
}

TEST_F(MovieTest, SeeksPausesAndChangesItsPeriod) {
  std::vector<uint8_t> File = Build(5, 100);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  EXPECT_EQ(GUI_MOVIE_GotoFrame(h, 3), 0);
  EXPECT_EQ(GUI_MOVIE_GetFrameIndex(h), 3);
  EXPECT_EQ(GUI_MOVIE_GotoFrame(h, 5), 0);  // beyond the last frame: nothing changes
  EXPECT_EQ(GUI_MOVIE_GetFrameIndex(h), 3);
  EXPECT_EQ(GUI_MOVIE_Pause(h), 1) << "not playing";
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Shown(), 3);
  EXPECT_EQ(GUI_MOVIE_Play(h), 0) << "playing already: nothing happens";
  EXPECT_EQ(GUI_MOVIE_Pause(h), 0);
  RunAt(1500);
  EXPECT_EQ(Shown(), 3) << "paused";
  EXPECT_EQ(GUI_MOVIE_GetFrameIndex(h), 4);
  EXPECT_EQ(GUI_MOVIE_SetPeriod(h, 300), 100);
  GUI_MOVIE_GotoFrame(h, 1);
  Log().clear();
  GUI_MOVIE_Play(h);
  RunAt(1500);
  EXPECT_EQ(Shown(), 1);
  RunAt(1799);
  EXPECT_EQ(Shown(), 1) << "the new period holds";
  RunAt(1800);
  EXPECT_EQ(Shown(), 2);
  std::vector<Notification> Want = {{0, 2, 1}, {0, 0, 1}, {0, 1, 1}, {0, 0, 2}, {0, 1, 2}};
  EXPECT_EQ(Log(), Want);
  GUI_MOVIE_Delete(h);
}

// A frame sought from the notification before drawing replaces the frame about to be drawn.
TEST_F(MovieTest, SeekingFromTheNotificationDrawsTheFrameSought) {
  std::vector<uint8_t> File = Build(4, 100);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  SeekOnDraw() = 2;
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Shown(), 2);
  RunAt(1100);
  EXPECT_EQ(Shown(), 3);
  GUI_MOVIE_Delete(h);
}

TEST_F(MovieTest, BadFramesStopTheMovie) {
  // A frame tag that differs in one bit: stopped with notification 3, nothing drawn.
  std::vector<uint8_t> File = Build(2, 100, 0xFF010001);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Log(), (std::vector<Notification>{{0, 2, 0}, {0, 3, 0}}));
  EXPECT_EQ(Shown(), -1);
  GUI_MOVIE_Delete(h);
  // A byte count beyond the frame: the JPEG data is never read past the frame.
  File = Build(2, 100);
  File[24 + 8] = 0xFF;
  File[24 + 9] = 0xFF;
  Log().clear();
  h = Create(File);
  ASSERT_NE(h, 0);
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Log().back().Code, GUI_MOVIE_NOTIFICATION_STOP);
  EXPECT_EQ(Shown(), -1);
  GUI_MOVIE_Delete(h);
  // A third index entry pointing outside the file: frame 0 plays, frame 1 cannot be loaded, the movie stops.
  File = Build(3, 100);
  uint32_t IndexOff = GUI__Get32(File.data() + 20);
  File[IndexOff + 8 + 3] = 0x7F;  // frame 1 would reach to the third entry's offset
  Log().clear();
  h = Create(File);
  ASSERT_NE(h, 0);
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Shown(), 0);
  EXPECT_EQ(Log().back().Code, GUI_MOVIE_NOTIFICATION_STOP);
  EXPECT_EQ(GUI_MOVIE_GotoFrame(h, 1), 1);
  GUI_MOVIE_Delete(h);
  // A frame whose JPEG data claim 8200 x 11272 pixels: it ends with its data, stopping the movie undrawn.
  size_t Sof = 2;
  while (Sof + 8 < Frames[0].size() && !(Frames[0][Sof] == 0xFF && Frames[0][Sof + 1] == 0xC0)) {
    Sof++;
  }
  ASSERT_LT(Sof + 8, Frames[0].size());
  const uint8_t aSize[] = {11272 >> 8, 11272 & 0xFF, 8200 >> 8, 8200 & 0xFF};
  std::copy(aSize, aSize + 4, Frames[0].begin() + Sof + 5);
  File = Build(2, 100);
  Log().clear();
  ClearDisplay();
  h = Create(File);
  ASSERT_NE(h, 0);
  GUI_MOVIE_Show(h, kX, kY, 0);
  RunAt(1000);
  EXPECT_EQ(Log(), (std::vector<Notification>{{0, 2, 0}, {0, 0, 0}, {0, 1, 0}, {0, 3, 0}}));
  EXPECT_EQ(Shown(), -1);
  GUI_MOVIE_Delete(h);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(MovieTest, FilesThatCannotBeOpened) {
  std::vector<uint8_t> File = Build(2, 100);
  EXPECT_EQ(GUI_MOVIE_Create(File.data(), 20, Notify), 0) << "short header";
  std::vector<uint8_t> Bad = File;
  Bad[23] = 0x70;  // index far outside the file
  EXPECT_EQ(Create(Bad), 0);
  Bad = File;
  Bad[16] = 0;  // no frames
  EXPECT_EQ(Create(Bad), 0);
  Bad = File;
  Bad[16] = 0xFF;  // more frames than the index holds before the file ends
  Bad[17] = 0xFF;
  EXPECT_EQ(Create(Bad), 0);
  // Cut anywhere: refused, or opened and played to a stop.
  for (size_t n = 0; n < File.size(); n += 97) {
    GUI_MOVIE_HANDLE h = GUI_MOVIE_Create(File.data(), U32(n), Notify);
    if (h) {
      GUI_MOVIE_Show(h, kX, kY, 1);
      RunAt(Now() + 100);
      RunAt(Now() + 100);
      GUI_MOVIE_Delete(h);
    }
  }
  // Handle 0.
  EXPECT_EQ(GUI_MOVIE_Delete(0), 1);
  EXPECT_EQ(GUI_MOVIE_Play(0), 1);
  EXPECT_EQ(GUI_MOVIE_Pause(0), 1);
  EXPECT_EQ(GUI_MOVIE_GetFrameIndex(0), -1);
  EXPECT_EQ(GUI_MOVIE_SetPeriod(0, 5), 0);
  EXPECT_EQ(GUI_MOVIE_GetPos(0, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_TRUE(Warnings().empty());
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(MovieTest, DeletedByItsOwnNotification) {
  std::vector<uint8_t> File = Build(2, 100);
  GUI_MOVIE_HANDLE h = Create(File);
  ASSERT_NE(h, 0);
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  DeleteOnDraw() = true;
  GUI_MOVIE_Show(h, kX, kY, 1);
  RunAt(1000);
  EXPECT_EQ(Log().back().Code, GUI_MOVIE_NOTIFICATION_DELETE);
  EXPECT_LT(GUI_ALLOC_GetNumUsedBlocks(), Used);
  EXPECT_EQ(GUI_MOVIE_Delete(h), 1) << "gone";
  RunAt(2000);
  DeleteOnDraw() = false;
  // Told that it is deleted, the handler may touch the movie in any way: it stays deleted, with one
  // notification 4 and nothing left behind (timer, frame buffer), whether deleted directly or from a
  // notification of its own tick.
  for (int Action : {kDeleteOnce, kDeleteAlways, kPlay, kShow, kGotoFrame}) {
    for (bool FromTick : {false, true}) {
      SCOPED_TRACE("action " + std::to_string(Action) + (FromTick ? ", from the tick" : ", directly"));
      I32 Before = GUI_ALLOC_GetNumUsedBlocks();
      h = Create(File);
      ASSERT_NE(h, 0);
      GUI_MOVIE_Show(h, kX, kY, 1);
      RunAt(Now() + 100);
      Log().clear();
      OnDeleteAction() = Action;
      if (FromTick) {
        DeleteOnDraw() = true;
        RunAt(Now() + 100);
        DeleteOnDraw() = false;
      } else {
        EXPECT_EQ(GUI_MOVIE_Delete(h), 0);
      }
      OnDeleteAction() = kNothing;
      EXPECT_EQ(std::count_if(Log().begin(), Log().end(),
                              [](const Notification& e) { return e.Code == GUI_MOVIE_NOTIFICATION_DELETE; }),
                1);
      EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Before);
      Log().clear();
      RunAt(Now() + 1000);
      EXPECT_TRUE(Log().empty()) << "no tick of the deleted movie";
      EXPECT_EQ(GUI_MOVIE_Delete(h), 1) << "gone";
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

}  // namespace
