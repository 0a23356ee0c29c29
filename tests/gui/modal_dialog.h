#pragma once
// Driving a modal dialog that the code under test opens with exec(), and finding named widgets.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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
