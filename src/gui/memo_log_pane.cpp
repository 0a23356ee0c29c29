#include "gui/memo_log_pane.h"

#include "gui/qt_text.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

int TMemoLogPane::lineCount() const { return empty_ ? 0 : memo_.document()->blockCount(); }

void TMemoLogPane::clear() {
  memo_.clear();
  empty_ = true;
}

void TMemoLogPane::appendLine(const std::string& line) {
  if (empty_) {
    memo_.setPlainText(Q(line));
    empty_ = false;
  } else {
    memo_.appendPlainText(Q(line));
  }
  ScrollToEnd();
}

void TMemoLogPane::replaceLastLine(const std::string& line) {
  if (empty_) {
    appendLine(line);
    return;
  }
  QTextCursor cursor(memo_.document()->lastBlock());
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(Q(line));
  ScrollToEnd();
}

std::string TMemoLogPane::lastLine() const {
  return empty_ ? std::string() : U(memo_.document()->lastBlock().text());
}

void TMemoLogPane::ScrollToEnd() {
  QScrollBar* bar = memo_.verticalScrollBar();
  bar->setValue(bar->maximum());
}
