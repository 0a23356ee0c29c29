#pragma once
// The main window on a program folder and emulator store of the test's own, its messages and
// questions answered by a RecordingHost, and helpers to let it run.

#include "gui/message_prompter.h"
#include "gui/tfrm_main.h"
#include "support/recording_host.h"
#include "support/store_fixture.h"

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Messages and answers of the window go to and come from a RecordingHost.
class RecordingPrompter : public MessagePrompter {
 public:
  explicit RecordingPrompter(RecordingHost& host) : host_(host) {}
  void show(MessageKind kind, const std::string& text) override;
  Answer ask(const std::string& text, bool withCancel) override {
    return host_.ask(text, withCancel);
  }

 private:
  RecordingHost& host_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  // Writes "ostravel.ini" (ASCII text, lines joined with CR LF).
  void WriteSettings(const std::vector<std::string>& lines);
  // The window, not shown yet; downloads do not wait between polls.
  std::unique_ptr<TfrmMain> Open(const std::vector<std::string>& args = {});
  // Shows the window and lets its first-shown work run.
  void ShowAndSettle(TfrmMain& window);

  static std::vector<std::string> LogLines(const TfrmMain& window);

  StoreFixture store;
  RecordingHost host;
  RecordingPrompter prompter{host};
};

// Lets pending events run until `done` holds, at most a few seconds.
bool WaitUntil(const std::function<bool()>& done);

// Today as "yyyymmdd".
std::string Today8();
