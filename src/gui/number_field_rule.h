#pragma once
// The rule of the date and time edits of the individual pages when the focus leaves them: the
// text is rewritten with its digits ("7" → "07"), or "値が不正です" is shown and the focus goes
// back into the edit.

#include <QObject>

#include <map>

class Host;
class QBoxLayout;
class QLineEdit;
class QString;
class QWidget;

class TNumberFieldRule : public QObject {
  Q_OBJECT

 public:
  TNumberFieldRule(Host& host, QObject* parent);

  // `width`: 2 for month, day, hour, minute and second, 4 for a year.
  void Watch(QLineEdit* edit, int width);
  // A watched edit of `width` characters named `name`, followed by its unit label ("年"), added
  // to `row`.
  QLineEdit* AddEdit(QBoxLayout& row, QWidget* parent, const QString& name, int width,
                     const QString& unit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Check(QLineEdit* edit, int width);

  Host& host_;
  std::map<QObject*, int> widths_;
  bool checking_ = false;  // the focus moves while a refusal is shown; those moves are not checked
};
