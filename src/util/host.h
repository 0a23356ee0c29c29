#pragma once
// How core code reaches the user. The window implements it with dialogs and its log panes, the
// command line with stderr and --yes/--no, tests with a recording fake. Every text is UTF-8.
// Core code never blocks on a dialog of its own: it asks the host.

#include <string>

// A log pane: the main window's run log or the timer page's task log.
class LogPane {
 public:
  virtual ~LogPane() = default;
  virtual int lineCount() const = 0;
  virtual void clear() = 0;
  virtual void appendLine(const std::string& line) = 0;
  // Replaces the last line (appends one when the pane is empty).
  virtual void replaceLastLine(const std::string& line) = 0;
  virtual std::string lastLine() const = 0;
};

enum class Answer { Yes, No, Cancel };

class Host {
 public:
  virtual ~Host() = default;

  virtual void info(const std::string& text) = 0;   // information box, OK button
  virtual void warn(const std::string& text) = 0;   // warning box, OK button
  virtual void error(const std::string& text) = 0;  // error box, OK button
  // Confirmation with Yes and No, or Yes, No and Cancel.
  virtual Answer ask(const std::string& text, bool withCancel = false) = 0;
  // An information box with OK and Cancel; true for OK. Hosts without such a box ask Yes/No.
  virtual bool confirm(const std::string& text) { return ask(text) == Answer::Yes; }

  virtual void setBusy(bool busy) = 0;                  // hourglass cursor
  virtual void setStatus(const std::string& text) = 0;  // the status bar's run panel
  // Download progress beyond what JV-Link itself shows; total 0 hides it.
  virtual void setProgress(int done, int total) = 0;

  // Lets pending window events run: repaint, and the cancel button being pressed.
  virtual void pump() = 0;

  virtual LogPane& mainLog() = 0;
  virtual LogPane& taskLog() = 0;
};
