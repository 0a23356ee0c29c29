#pragma once
// "バージョン情報": the program's icon, name and version, and an owner notice with the year.

#include <QDate>
#include <QDialog>

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* parent = nullptr) : TfrmAbout(QDate::currentDate(), parent) {}
  // `today` gives the notice's year.
  TfrmAbout(QDate today, QWidget* parent);
};
