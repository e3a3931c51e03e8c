// OS glue: wait results 0 / 1 / 255 of semaphores, events and mutexes.
#include <gtest/gtest.h>

#include <thread>

#include "OS.h"

TEST(OsGlue, BinarySemaphore) {
  OS_SEM* s = OS_SemCreate(1, 1);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(OS_SemWait(s, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_SemWait(s, 0), OS_WAIT_TIMEOUT);
  OS_SemSignal(s);
  OS_SemSignal(s);  // stays binary
  EXPECT_EQ(OS_SemWait(s, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_SemWait(s, 0), OS_WAIT_TIMEOUT);
  EXPECT_EQ(OS_SemWait(nullptr, 0), OS_WAIT_ERROR);
  EXPECT_EQ(OS_SemCreate(2, 1), nullptr);
  OS_SemDelete(s);
}

TEST(OsGlue, EventsAutoAndManualReset) {
  OS_EVENT* a = OS_EventCreate(0, 0);
  OS_EVENT* m = OS_EventCreate(1, 1);
  EXPECT_EQ(OS_EventWait(a, 0), OS_WAIT_TIMEOUT);
  OS_EventSet(a);
  EXPECT_EQ(OS_EventWait(a, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_EventWait(a, 0), OS_WAIT_TIMEOUT);
  EXPECT_EQ(OS_EventWait(m, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_EventWait(m, 0), OS_WAIT_TAKEN);
  OS_EventReset(m);
  EXPECT_EQ(OS_EventWait(m, 0), OS_WAIT_TIMEOUT);
  EXPECT_EQ(OS_EventWait(nullptr, 0), OS_WAIT_ERROR);
  // A waiter without limit is released by a set from another task.
  OS_TASK* t = OS_CreateTask([](void* p) { OS_EventSet(static_cast<OS_EVENT*>(p)); }, a, "setter");
  EXPECT_EQ(OS_EventWait(a, OS_INFINITE), OS_WAIT_TAKEN);
  OS_TaskJoin(t);
  OS_EventDelete(a);
  OS_EventDelete(m);
}

TEST(OsGlue, MutexIsRecursiveAndTimesOutForOthers) {
  OS_MUTEX* m = OS_MutexCreate();
  EXPECT_EQ(OS_MutexLock(m, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_MutexLock(m, 0), OS_WAIT_TAKEN);
  int other = -1;
  std::thread th([&] { other = OS_MutexLock(m, 0); });
  th.join();
  EXPECT_EQ(other, OS_WAIT_TIMEOUT);
  OS_MutexUnlock(m);
  OS_MutexUnlock(m);
  std::thread th2([&] {
    other = OS_MutexLock(m, 0);
    if (other == OS_WAIT_TAKEN) OS_MutexUnlock(m);
  });
  th2.join();
  EXPECT_EQ(other, OS_WAIT_TAKEN);
  EXPECT_EQ(OS_MutexLock(nullptr, 0), OS_WAIT_ERROR);
  OS_MutexDelete(m);
}
