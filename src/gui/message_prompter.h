#pragma once
// How the main window puts messages and questions to the user: message boxes on the desktop, a
// recording stand-in in tests, and stderr when the window renders its screenshots unattended.

#include "util/host.h"

#include <QMessageBox>

#include <memory>
#include <string>

enum class MessageKind { Info, Warning, Error };

class MessagePrompter {
 public:
  virtual ~MessagePrompter() = default;
  // A box with an OK button.
  virtual void show(MessageKind kind, const std::string& text) = 0;
  // A confirmation with Yes and No, or Yes, No and Cancel.
  virtual Answer ask(const std::string& text, bool withCancel) = 0;
  // An information box with OK and Cancel; true for OK.
  virtual bool confirm(const std::string& text) { return ask(text, false) == Answer::Yes; }
};

// Modal message boxes over the active window.
class QtMessagePrompter : public MessagePrompter {
 public:
  void show(MessageKind kind, const std::string& text) override;
  Answer ask(const std::string& text, bool withCancel) override;
  bool confirm(const std::string& text) override;
};

// Messages on stderr and every question answered No: for rendering the windows unattended.
class StderrPrompter : public MessagePrompter {
 public:
  void show(MessageKind kind, const std::string& text) override;
  Answer ask(const std::string& text, bool withCancel) override;
};

// The boxes QtMessagePrompter shows, not yet shown; their caption is the program's title.
std::unique_ptr<QMessageBox> NewMessageBox(MessageKind kind, const std::string& text,
                                           QWidget* parent);
std::unique_ptr<QMessageBox> NewQuestionBox(const std::string& text, bool withCancel,
                                            QWidget* parent);
