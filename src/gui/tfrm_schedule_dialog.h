#pragma once
// "開催スケジュールデータの取得": asks from which publication date the schedule update fetches
// the race-day schedule. Starts at today - 14 days.

#include <QDate>
#include <QDialog>

#include <string>

class QDateEdit;
class QPushButton;

class TfrmScheduleDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmScheduleDialog(QDate today = QDate::currentDate(), QWidget* parent = nullptr);

  QDate FromDate() const;
  std::string FromDateText() const;  // "yyyymmdd"

 private:
  QDateEdit* dpkFromDate = nullptr;
  QPushButton* btnOk = nullptr;
};
