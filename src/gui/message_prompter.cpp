#include "gui/message_prompter.h"

#include "gui/qt_text.h"

#include <QApplication>

#include <iostream>

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Info:
      return QMessageBox::Information;
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      break;
  }
  return QMessageBox::Critical;
}

// The program's texts break lines with CR LF.
QString BoxText(const std::string& text) { return Q(text).replace("\r\n", "\n"); }

}  // namespace

std::unique_ptr<QMessageBox> NewMessageBox(MessageKind kind, const std::string& text,
                                           QWidget* parent) {
  return std::make_unique<QMessageBox>(IconOf(kind), QApplication::applicationName(), BoxText(text),
                                       QMessageBox::Ok, parent);
}

std::unique_ptr<QMessageBox> NewQuestionBox(const std::string& text, bool withCancel,
                                            QWidget* parent) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  return std::make_unique<QMessageBox>(QMessageBox::Question, QApplication::applicationName(),
                                       BoxText(text), buttons, parent);
}

void QtMessagePrompter::show(MessageKind kind, const std::string& text) {
  NewMessageBox(kind, text, QApplication::activeWindow())->exec();
}

Answer QtMessagePrompter::ask(const std::string& text, bool withCancel) {
  int button = NewQuestionBox(text, withCancel, QApplication::activeWindow())->exec();
  if (button == QMessageBox::Yes) return Answer::Yes;
  return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool QtMessagePrompter::confirm(const std::string& text) {
  auto box = NewMessageBox(MessageKind::Info, text, QApplication::activeWindow());
  box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  return box->exec() == QMessageBox::Ok;
}

void StderrPrompter::show(MessageKind, const std::string& text) { std::cerr << text << '\n'; }

Answer StderrPrompter::ask(const std::string& text, bool) {
  std::cerr << text << " -> No\n";
  return Answer::No;
}
