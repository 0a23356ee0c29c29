// The set page and the set definition dialog as real widgets on a store with a real file.

#include "gui/set_page.h"
#include "gui/tfrm_set_teigi.h"
#include "sets/set_def.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/file_io.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

std::string Cell(QTableWidget* grid, int dataKind, int column) {
  return grid->item(dataKind - 1, column)->text().toStdString();
}

class SetDialogTest : public ::testing::Test {
 protected:
  SetDialogTest() : sets(host, dir.path()) {
    _Bank bank = EmptyBank();
    bank.SetTitle = "当日";
    bank.Specs[1].Taisho = true;
    bank.Specs[1].Option = 2;
    bank.Specs[1].RecSpec[0] = "RA";
    bank.Specs[1].RecSpec[1] = "SE";
    sets.SetBank(2, bank);
  }

  template <typename T>
  T* Find(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QCheckBox* Box(QWidget& dialog, int slot) {
    return Find<QCheckBox>(dialog, QString("checkRecSpec%1").arg(slot, 2, 10, QChar('0'))
                                       .toStdString().c_str());
  }
  // The option item checked (0 or 1), -1 for none; and whether the group is enabled.
  std::pair<int, bool> Option(QWidget& dialog) {
    QGroupBox* group = Find<QGroupBox>(dialog, "radioOption");
    QList<QRadioButton*> items = group->findChildren<QRadioButton*>();
    int checked = -1;
    for (int i = 0; i < items.size(); ++i) {
      if (items[i]->isChecked()) checked = i;
    }
    return {checked, group->isEnabled()};
  }

  TempDir dir;
  RecordingHost host;
  TSetDef sets;
};

TEST_F(SetDialogTest, ShowsTheSetAndEachDataKindWithItsBoxesAndOptionRule) {
  TfrmSetTeigi dialog(sets, host, 2);
  EXPECT_EQ(Find<QLineEdit>(dialog, "edtSetNo")->text().toStdString(), "3");
  EXPECT_EQ(Find<QLineEdit>(dialog, "edtSetTitle")->text().toStdString(), "当日");
  QTableWidget* grid = Find<QTableWidget>(dialog, "gridSpec");
  ASSERT_EQ(grid->rowCount(), 13);
  ASSERT_EQ(grid->columnCount(), 6);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text().toStdString(), "データ種別");
  EXPECT_EQ((std::vector<std::string>{Cell(grid, 2, 0), Cell(grid, 2, 1), Cell(grid, 2, 2),
                                      Cell(grid, 2, 3), Cell(grid, 2, 4), Cell(grid, 2, 5)}),
            (std::vector<std::string>{"2", "RACE", "レース情報", "○", "今週", "RA,SE"}));
  EXPECT_EQ(Cell(grid, 13, 1), "MING");
  EXPECT_EQ(Cell(grid, 13, 3), "");
  EXPECT_EQ(Cell(grid, 13, 4), "通常");
  EXPECT_EQ(dialog.CurrentDataKind(), 1) << "the first row is shown on opening";

  struct Case {
    int dataKind;
    int visibleBoxes;
    const char* firstCaption;
    int option;  // item checked
    bool optionEnabled;
  };
  const Case cases[] = {
      {1, 1, "TK : 特別登録馬", 0, true},   {2, 13, "RA : レース詳細", 1, true},
      {3, 8, "UM : 競走馬マスタ", 0, false}, {7, 7, "UM : 競走馬マスタ", 1, false},
      {8, 8, "UM : 競走馬マスタ", 1, false}, {9, 1, "CK : 出走別着度数", 0, true},
      {13, 2, "DM : タイム型データマイニング予想", 0, false},
  };
  for (const Case& c : cases) {
    grid->setCurrentCell(c.dataKind - 1, 2);
    EXPECT_EQ(dialog.CurrentDataKind(), c.dataKind);
    int visible = 0;
    for (int slot = 1; slot <= 13; ++slot) visible += Box(dialog, slot)->isVisibleTo(&dialog);
    EXPECT_EQ(visible, c.visibleBoxes) << c.dataKind;
    EXPECT_EQ(Box(dialog, 1)->text().toStdString(), c.firstCaption);
    EXPECT_EQ(Option(dialog), std::make_pair(c.option, c.optionEnabled)) << c.dataKind;
  }
  grid->setCurrentCell(1, 0);
  EXPECT_TRUE(Box(dialog, 1)->isChecked());
  EXPECT_TRUE(Box(dialog, 2)->isChecked());
  EXPECT_FALSE(Box(dialog, 3)->isChecked());
  EXPECT_EQ(Box(dialog, 13)->text().toStdString(), "JG : 競走馬除外情報に関する情報");
}

TEST_F(SetDialogTest, ConfirmStoresThePanelIntoTheCopyOnly) {
  TfrmSetTeigi dialog(sets, host, 2);
  QTableWidget* grid = Find<QTableWidget>(dialog, "gridSpec");
  QCheckBox* taisho = Find<QCheckBox>(dialog, "checkTaisho");
  QPushButton* confirm = Find<QPushButton>(dialog, "btnKakutei");

  // A target without any record type is refused.
  grid->setCurrentCell(0, 0);
  taisho->setChecked(true);
  confirm->click();
  EXPECT_EQ(host.texts(HostMessage::Warn),
            std::vector<std::string>{"取得対象となるレコード種別が1つも選択されていません"});
  EXPECT_FALSE(dialog.Bank().Specs[0].Taisho);

  // Not a target, no record type: accepted.
  grid->setCurrentCell(1, 0);
  taisho->setChecked(false);
  Box(dialog, 1)->setChecked(false);
  Box(dialog, 2)->setChecked(false);
  confirm->click();
  EXPECT_EQ(Cell(grid, 2, 3), "");
  EXPECT_EQ(Cell(grid, 2, 5), "");
  EXPECT_FALSE(dialog.Bank().Specs[1].Taisho);

  // TCVN stored with option 1 is confirmed with the forced option 2.
  grid->setCurrentCell(6, 0);
  taisho->setChecked(true);
  Box(dialog, 6)->setChecked(true);
  Box(dialog, 7)->setChecked(true);
  confirm->click();
  EXPECT_EQ(Cell(grid, 7, 3), "○");
  EXPECT_EQ(Cell(grid, 7, 4), "今週");
  EXPECT_EQ(Cell(grid, 7, 5), "RA,SE");
  EXPECT_EQ(dialog.Bank().Specs[6].Option, 2);

  // Changes not confirmed are dropped when another row is shown.
  Box(dialog, 1)->setChecked(true);
  grid->setCurrentCell(0, 0);
  grid->setCurrentCell(6, 0);
  EXPECT_FALSE(Box(dialog, 1)->isChecked());

  EXPECT_TRUE(sets.GetBank(2).Specs[1].Taisho) << "the store is untouched before registering";
}

TEST_F(SetDialogTest, RegisterSavesTheCopyAndCancelLeavesTheStore) {
  // The same edit, closed first with "キャンセル", then with "セット登録".
  auto editAndClose = [&](const char* button) {
    TfrmSetTeigi dialog(sets, host, 2);
    Find<QLineEdit>(dialog, "edtSetTitle")->setText("変更後");
    Find<QCheckBox>(dialog, "checkTaisho")->setChecked(true);
    Box(dialog, 1)->setChecked(true);
    Find<QPushButton>(dialog, "btnKakutei")->click();
    Find<QPushButton>(dialog, button)->click();
    return dialog.result();
  };
  EXPECT_EQ(editAndClose("btnCancel"), QDialog::Rejected);
  EXPECT_EQ(sets.GetBank(2).SetTitle, "当日");
  EXPECT_FALSE(sets.GetBank(2).Specs[0].Taisho);

  EXPECT_EQ(editAndClose("btnToroku"), QDialog::Accepted);
  EXPECT_EQ(sets.GetBank(2).SetTitle, "変更後");
  EXPECT_TRUE(sets.GetBank(2).Specs[0].Taisho);

  std::optional<std::vector<std::string>> lines = ReadTextLines(sets.FilePath());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 209u);
  EXPECT_EQ((*lines)[2 * 16 + 2], "SetTitle=" + std::string("\x95\xCF\x8D\x58\x8C\xE3"));
  EXPECT_EQ((*lines)[2 * 16 + 3], "SetDef=1,TOKU,1,1,TK,,,,,,,,,,,,,/");
}

TEST_F(SetDialogTest, ATitleTheFileCannotHoldIsRefused) {
  TfrmSetTeigi dialog(sets, host, 2);
  Find<QLineEdit>(dialog, "edtSetTitle")->setText("😀");
  Find<QPushButton>(dialog, "btnToroku")->click();
  EXPECT_EQ(host.texts(HostMessage::Warn).size(), 1u);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(sets.GetBank(2).SetTitle, "当日");
  EXPECT_TRUE(host.texts(HostMessage::Error).empty());
}

TEST_F(SetDialogTest, SetPageShowsTitlesAndRefreshesThemAfterTheDialog) {
  TSetPage page(sets, host);
  QPushButton* update = Find<QPushButton>(page, "btnSetUpdate");
  std::vector<std::string> captions;
  for (int i = 1; i <= 8; ++i) {
    captions.push_back(
        Find<QRadioButton>(page, QString("radioTaishoSet%1").arg(i).toStdString().c_str())
            ->text().toStdString());
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"", "", "当日", "", "", "", "", ""}));
  EXPECT_EQ(page.SelectedSet(), -1);

  update->click();
  EXPECT_EQ(host.texts(HostMessage::Warn),
            std::vector<std::string>{
                "変更対象となるセットが選択されていません\r\n\r\n変更対象セットをチェックして下さい"});

  QRadioButton* third = Find<QRadioButton>(page, "radioTaishoSet3");
  third->setChecked(true);
  bool answered = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TfrmSetTeigi*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("edtSetNo")->text().toStdString(), "3");
    dialog->findChild<QLineEdit*>("edtSetTitle")->setText("新しい名前");
    dialog->findChild<QPushButton*>("btnToroku")->click();
    answered = true;
  });
  update->click();
  EXPECT_TRUE(answered);
  EXPECT_EQ(third->text().toStdString(), "新しい名前");
}

}  // namespace
