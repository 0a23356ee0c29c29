#pragma once
// Driving a modal dialog that the code under test opens with exec(), finding named widgets, and
// comparing what a dialog said through the Host.

#include "support/recording_host.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Runs `act` on the next modal dialog once its event loop runs, then closes it with Cancel if
// `act` left it open, so that a test never waits on a dialog.
inline void OnNextModal(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      OnNextModal(act);  // not shown yet
      return;
    }
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

// The child `name` of type T; a test failure when there is none.
template <typename T>
T* Child(const QObject& parent, const char* name) {
  T* widget = parent.findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// The host's messages are exactly `expected`, kinds and texts, in order.
inline void ExpectMessages(const RecordingHost& host, const std::vector<HostMessage>& expected) {
  ASSERT_EQ(host.messages.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(host.messages[i].kind, expected[i].kind) << i;
    EXPECT_EQ(host.messages[i].text, expected[i].text) << i;
  }
}
