#include "gui/number_field_rule.h"

#include "app/number_field.h"
#include "gui/qt_text.h"
#include "util/host.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

TNumberFieldRule::TNumberFieldRule(Host& host, QObject* parent) : QObject(parent), host_(host) {}

void TNumberFieldRule::Watch(QLineEdit* edit, int width) {
  widths_[edit] = width;
  edit->installEventFilter(this);
}

QLineEdit* TNumberFieldRule::AddEdit(QBoxLayout& row, QWidget* parent, const QString& name,
                                     int width, const QString& unit) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(width);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(width + 2, '0')) + 8);
  Watch(edit, width);
  row.addWidget(edit);
  row.addWidget(new QLabel(unit, parent));
  return edit;
}

bool TNumberFieldRule::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !checking_) {
    // Another window taking the focus (a message box, a menu) does not leave the edit.
    Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    auto found = widths_.find(watched);
    if (found != widths_.end() && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
      Check(static_cast<QLineEdit*>(watched), found->second);
    }
  }
  return QObject::eventFilter(watched, event);
}

void TNumberFieldRule::Check(QLineEdit* edit, int width) {
  std::optional<std::string> text =
      NumberFieldText(U(edit->text()), static_cast<std::size_t>(width));
  if (text) {
    if (Q(*text) != edit->text()) edit->setText(Q(*text));
    return;
  }
  checking_ = true;
  host_.warn(kBadValueMessage);
  edit->setFocus();
  checking_ = false;
}
