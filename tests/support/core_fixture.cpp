#include "support/core_fixture.h"

#include <chrono>

CoreTest::CoreTest() : core(host, store.programDir, store.Emulator()) {
  core.SetEvents(events);
  EXPECT_TRUE(core.Start());
  core.Session().SetPollInterval(std::chrono::milliseconds{0});
  core.Config().OutDir[0] = store.outDir;
  ClearRecords();
}

void CoreTest::ClearRecords() {
  host = RecordingHost();
  events = RecordingEvents();
}
