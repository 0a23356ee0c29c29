#pragma once
// A single-line edit that shows its text right-aligned: the number fields of the dialogs.

#include <QLineEdit>

class TRightEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TRightEdit(QWidget* parent = nullptr) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
};
