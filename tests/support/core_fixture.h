#pragma once
// A started application core on a program folder of its own, with the JV-Link emulator on a
// store the test builds, OutDir[0] set to an existing folder, and a window that records what
// the core asks of it.

#include "app/app_core.h"
#include "support/recording_host.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct RecordingEvents : MainWindowEvents {
  void runningChanged(bool running) override { runningChanges.push_back(running); }
  void outDirListChanged() override { ++outDirListChanges; }
  void raceDayListsChanged() override { ++raceDayListChanges; }
  void closeRequested() override { ++closeRequests; }
  void focusRequested(InputFocus control) override { focusRequests.push_back(control); }

  std::vector<bool> runningChanges;
  int outDirListChanges = 0;
  int raceDayListChanges = 0;
  int closeRequests = 0;
  std::vector<InputFocus> focusRequests;
};

class CoreTest : public ::testing::Test {
 protected:
  CoreTest();

  const std::vector<std::string>& Log() const { return host.mainPane.lines(); }
  // Forgets what start-up showed and logged.
  void ClearRecords();

  StoreFixture store;
  RecordingHost host;
  RecordingEvents events;
  TAppCore core;
};

inline const std::string kDashes(30, '-');
