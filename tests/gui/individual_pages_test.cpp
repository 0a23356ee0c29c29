// The pages "[個] 蓄積" and "[個] 速報" as real widgets: their controls, the number-field rule,
// the race-key panel, and runs from the start button against an emulator store.

#include "app/app_core.h"
#include "dialog_test_helpers.h"
#include "gui/radio_group.h"
#include "support/core_fixture.h"
#include "util/file_io.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Lines = std::vector<std::string>;

Lines Captions(const TRadioGroup* group) {
  Lines captions;
  for (int i = 0; i < group->Count(); ++i) captions.push_back(group->Item(i)->text().toStdString());
  return captions;
}

class IndividualPagesTest : public MainWindowTest {
 protected:
  IndividualPagesTest() {
    WriteSettings({"[FOLDER]", "OutDir0=" + store.outDir});
    window = Open();
    ShowAndSettle(*window);
  }
  QLineEdit* Edit(const char* name) { return Child<QLineEdit>(*window, name); }
  TRadioGroup* Group(const char* name) { return Child<TRadioGroup>(*window, name); }

  std::unique_ptr<TfrmMain> window;
};

TEST_F(IndividualPagesTest, PagesOfferTheirItemsWithTodayAndNoChoice) {
  TRadioGroup* storedKinds = Group("groupDataSpec_C");
  EXPECT_EQ(storedKinds->title().toStdString(), "データ種別 （dataspec）");
  Lines kinds = Captions(storedKinds);
  ASSERT_EQ(kinds.size(), 13u);
  EXPECT_EQ(kinds[0], "TOKU 特別登録馬情報");
  EXPECT_EQ(kinds[12], "MING 蓄積系ソフト用 マイニング情報");
  EXPECT_EQ(Captions(Group("groupOption_C")),
            (Lines{"1：通常", "2：今週", "3：セットアップ", "4：セット（CD無）"}));
  Lines realtime = Captions(Group("groupDataSpec_S"));
  ASSERT_EQ(realtime.size(), 16u);
  EXPECT_EQ(realtime[15], "0B51 速報重勝式（WIN5）");
  for (const char* group : {"groupDataSpec_C", "groupOption_C", "groupDataSpec_S"}) {
    EXPECT_EQ(Group(group)->ItemIndex(), -1) << group;
  }

  const std::string today = Today8();
  const std::pair<const char*, std::string> edits[] = {
      {"edtYY_C", today.substr(0, 4)},
      {"edtMM_C", today.substr(4, 2)},
      {"edtDD_C", today.substr(6, 2)},
      {"edtHH_C", "00"},
      {"edtNN_C", "00"},
      {"edtSS_C", "00"},
      {"edtYY_S", today.substr(0, 4)},
      {"edtMM_S", today.substr(4, 2)},
      {"edtDD_S", today.substr(6, 2)},
  };
  for (const auto& [name, text] : edits) EXPECT_EQ(Edit(name)->text().toStdString(), text) << name;
  auto* course = Child<QComboBox>(*window, "comboJo");
  ASSERT_EQ(course->count(), 10);
  EXPECT_EQ(course->currentText().toStdString(), "札幌");
  EXPECT_EQ(course->itemText(9).toStdString(), "小倉");
  auto* race = Child<QComboBox>(*window, "comboRNO");
  ASSERT_EQ(race->count(), 12);
  EXPECT_EQ(race->currentText().toStdString(), "01");
  EXPECT_EQ(race->itemText(11).toStdString(), "12");
}

TEST_F(IndividualPagesTest, LeavingADateOrTimeEditRewritesItOrKeepsTheFocus) {
  window->ShowPage(RunPage::Chikuseki);
  window->activateWindow();
  ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
  QPushButton* elsewhere = Child<QPushButton>(*window, "btnCancel");

  struct Case {
    const char* edit;
    RunPage page;
    const char* typed;
    const char* left;  // the text after leaving; nullptr when refused
  } cases[] = {
      {"edtMM_C", RunPage::Chikuseki, "7", "07"},    {"edtMM_C", RunPage::Chikuseki, "x", nullptr},
      {"edtYY_C", RunPage::Chikuseki, "25", "0025"}, {"edtSS_C", RunPage::Chikuseki, "09", "09"},
      {"edtHH_C", RunPage::Chikuseki, "", nullptr},  {"edtDD_S", RunPage::Sokuho, "5", "05"},
      {"edtYY_S", RunPage::Sokuho, "2x", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " \"" + c.typed + "\"");
    host = RecordingHost();
    window->ShowPage(c.page);
    QLineEdit* edit = Edit(c.edit);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    edit->setText(c.typed);
    elsewhere->setFocus();
    if (c.left) {
      EXPECT_EQ(edit->text().toStdString(), c.left);
      EXPECT_TRUE(host.messages.empty());
      EXPECT_TRUE(elsewhere->hasFocus());
    } else {
      EXPECT_EQ(host.texts(HostMessage::Warn), Lines{"値が不正です"});
      EXPECT_TRUE(edit->hasFocus());
      EXPECT_EQ(edit->text().toStdString(), c.typed);
      edit->setText("01");
      elsewhere->setFocus();
    }
  }
}

TEST_F(IndividualPagesTest, RaceKeyPanelShowsOnlyForRaceLevelKinds) {
  window->ShowPage(RunPage::Sokuho);
  TRadioGroup* kinds = Group("groupDataSpec_S");
  QWidget* panel = Child<QWidget>(*window, "panelRaceKey");
  EXPECT_TRUE(panel->isVisible()) << "before a choice";
  const std::pair<int, bool> cases[] = {{0, false}, {1, true},   {9, false},
                                        {13, true}, {15, false}, {8, true}};
  for (const auto& [index, shown] : cases) {
    kinds->Item(index)->click();
    EXPECT_EQ(panel->isVisible(), shown) << index;
  }
}

TEST_F(IndividualPagesTest, StoredStartRunsTheRequestWithProgressIntoItsFolder) {
  const std::string ra1 = Record("RA", "20230105", "one");
  const std::string ra2 = Record("RA", "20230105", "two");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {ra1});
  store.AddStored("RACE", "RARA", "20230106", "20230107120000", {ra2});
  store.WriteStoreIni("[Store]\r\nPace=1\r\n");
  window->ShowPage(RunPage::Chikuseki);
  auto* start = Child<QPushButton>(*window, "btnStart");

  start->click();  // no data kind chosen
  EXPECT_EQ(host.texts(HostMessage::Warn), Lines{"データ種別が指定されていません"});
  Group("groupDataSpec_C")->Item(1)->click();  // RACE
  Group("groupOption_C")->Item(0)->click();    // 1：通常
  Edit("edtYY_C")->setText("2023");
  Edit("edtMM_C")->setText("01");
  Edit("edtDD_C")->setText("01");
  host.answers = {Answer::Yes};  // more than 31 days ago

  auto* progress = Child<QProgressBar>(*window, "progressDownload");
  std::vector<std::tuple<int, int, bool>> shown;  // value, total, visible
  QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
    shown.emplace_back(value, progress->maximum(), progress->isVisible());
  });
  bool startDisabled = false;
  QObject::connect(progress, &QProgressBar::valueChanged,
                   [&] { startDisabled = !start->isEnabled(); });
  start->click();

  EXPECT_EQ(shown, (std::vector<std::tuple<int, int, bool>>{{1, 2, true}, {2, 2, true}}));
  EXPECT_TRUE(startDisabled);
  EXPECT_TRUE(start->isEnabled());
  EXPECT_FALSE(progress->isVisible());
  Lines log = LogLines(*window);
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ((Lines{log.begin(), log.begin() + 7}),
            (Lines{"《 個別取得（蓄積系） 》", "", "> ダウンロード", "", "> 蓄積(RACE) …… OK", "",
                   "> 処理終了"}));
  EXPECT_EQ(log[7].rfind("  ﾀﾞｳﾝﾛｰﾄﾞ : ", 0), 0u) << log[7];
  EXPECT_EQ(log[9], kDashes);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA_1_2301010000.txt")), ra1 + ra2);
  EXPECT_EQ(Child<QListWidget>(*window, "listOutDir")->item(0)->text().toStdString(),
            "RACE_RA_1_2301010000.txt");
  EXPECT_EQ(Child<QLabel>(*window, "lblOutDirFileCount")->text().toStdString(), "1個");
}

TEST_F(IndividualPagesTest, RealtimeStartSendsTheKeyOfTheChosenCourseAndRace) {
  const std::string o1 = Record("O1", "20230105", "odds");
  store.AddRealtime("0B30", "202301050511", {o1});
  window->ShowPage(RunPage::Sokuho);
  Group("groupDataSpec_S")->Item(1)->click();  // 0B30
  Edit("edtYY_S")->setText("2023");
  Edit("edtMM_S")->setText("01");
  Edit("edtDD_S")->setText("05");
  Child<QComboBox>(*window, "comboJo")->setCurrentIndex(4);    // 東京
  Child<QComboBox>(*window, "comboRNO")->setCurrentIndex(10);  // 11
  Child<QPushButton>(*window, "btnStart")->click();

  EXPECT_EQ(window->Core().Request.Key, "202301050511");
  EXPECT_EQ(ReadAll(store.Out("S_0B30_O1_202301050511.txt")), o1);
  Lines log = LogLines(*window);
  ASSERT_GE(log.size(), 8u);
  EXPECT_EQ(log[0], "《 個別取得（速報系） 》");
  EXPECT_EQ(log[5], "> 202301050511 …… OK");
  EXPECT_EQ(log[7], "> 処理終了");
}

}  // namespace
