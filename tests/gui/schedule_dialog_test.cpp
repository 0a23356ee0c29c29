#include "gui/tfrm_schedule_dialog.h"

#include <QDateEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(ScheduleDialogTest, StartsTwoWeeksBackAndGivesTheChosenDate) {
  TfrmScheduleDialog dialog(QDate(2027, 1, 5));
  EXPECT_EQ(dialog.windowTitle().toStdString(), "開催スケジュールデータの取得");
  EXPECT_EQ(dialog.FromDateText(), "20261222");

  dialog.findChild<QDateEdit*>("dpkFromDate")->setDate(QDate(2026, 3, 1));
  EXPECT_EQ(dialog.FromDateText(), "20260301");
  QPushButton* ok = dialog.findChild<QPushButton*>("btnOk");
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->isDefault());
  ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  TfrmScheduleDialog cancelled(QDate(2027, 1, 5));
  cancelled.findChild<QPushButton*>("btnCancel")->click();
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

}  // namespace
