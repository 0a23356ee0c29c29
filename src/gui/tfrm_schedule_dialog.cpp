#include "gui/tfrm_schedule_dialog.h"

#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDaysBack = 14;

}  // namespace

TfrmScheduleDialog::TfrmScheduleDialog(QDate today, QWidget* parent) : QDialog(parent) {
  setWindowTitle("開催スケジュールデータの取得");
  setObjectName("frmScheduleDialog");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("以下の日付以降に公開された開催スケジュールデータを取得します。",
                               this));
  layout->addWidget(new QLabel(
      "※ 取得に失敗する場合は、日付を1週間ずつ過去にずらして再試行して下さい。", this));

  auto* dateRow = new QHBoxLayout;
  dpkFromDate = new QDateEdit(today.addDays(-kDaysBack), this);
  dpkFromDate->setObjectName("dpkFromDate");
  dpkFromDate->setCalendarPopup(true);
  dpkFromDate->setDisplayFormat("yyyy/MM/dd");
  dateRow->addWidget(dpkFromDate);
  dateRow->addWidget(new QLabel("以降に公開された開催スケジュールを取得", this));
  dateRow->addStretch();
  layout->addLayout(dateRow);

  btnOk = AddOkCancelButtons(this, layout);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

QDate TfrmScheduleDialog::FromDate() const { return dpkFromDate->date(); }

std::string TfrmScheduleDialog::FromDateText() const {
  return U(FromDate().toString("yyyyMMdd"));
}
