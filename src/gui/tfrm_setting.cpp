#include "gui/tfrm_setting.h"

#include "app/app_core.h"
#include "config/folder_helpers.h"
#include "gui/qt_text.h"
#include "gui/right_edit.h"
#include "gui/tfrm_get_directory.h"
#include "sets/schedule.h"
#include "util/date_text.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/result_codes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

enum Page { kPageBasic, kPageFolder, kPageSet, kPageLegacy, kPageCustom, kPageAutoDate };

enum FolderPage { kFolderPageKobetsu, kFolderPageLegacy };

// Slots 2 to 15 are on the folder sub-page "旧仕様変換".
bool IsLegacySlot(int slot) { return slot >= 2 && slot <= 15; }

constexpr bool TConfig::*kFuncFields[kFuncPages] = {
    &TConfig::FuncSet,    &TConfig::FuncLegacy,           &TConfig::FuncRtd,
    &TConfig::FuncCustom, &TConfig::FuncKobetsuChikuseki, &TConfig::FuncKobetsuSokuho};

constexpr std::uint16_t kDefaultCustomMaxField = 255;
constexpr int kMaxHour = 23;
constexpr int kMaxMinute = 59;

constexpr const char* kProgramFolderRefused = "プログラム本体のあるフォルダは指定できません";
constexpr const char* kChanged = "変更されました";

template <typename Field, typename Value>
void Take(Field& field, Value value, bool& changed) {
  Field taken = static_cast<Field>(value);
  if (field == taken) return;
  field = taken;
  changed = true;
}

// A radio group or drop-down without a chosen item leaves its setting as it is.
template <typename Field>
void TakeIndex(Field& field, int index, bool& changed) {
  if (index >= 0) Take(field, index, changed);
}

void ShowIndex(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) button->setChecked(true);
}

std::string Text(const QLineEdit* edit) { return U(edit->text()); }

// A decimal number of a number field, 0 when it is not one.
int NumberOf(const QLineEdit* edit) { return ParseInteger(Text(edit)).value_or(0); }

// A switch hour or minute: a decimal number from 0 to `max`.
std::optional<int> ClockField(const QLineEdit* edit, int max) {
  std::optional<int> value = ParseInteger(Text(edit));
  if (!value || *value < 0 || *value > max) return std::nullopt;
  return value;
}

}  // namespace

TfrmSetting::TfrmSetting(TAppCore& core, Host& host, QWidget* parent)
    : QDialog(parent),
      host_(host),
      config_(core.Config()),
      schedule_(core.Schedule()) {
  BuildForm();
  edtDaitaiYear->setText(Q(schedule_.CurrentYear()));
  ShowSettings();
  pageSetting->setCurrentIndex(kPageBasic);
  pageFolder->setCurrentIndex(kFolderPageKobetsu);
}

void TfrmSetting::ShowSettings() {
  for (int i = 0; i < kFuncPages; ++i) checkFunc[i]->setChecked(config_.*kFuncFields[i]);
  comboFirstPage->setCurrentIndex(config_.FirstPage);
  ShowIndex(radioRealTimeDefault, config_.RealTimeDefault);
  groupFtp->setVisible(config_.FtpEnabled);
  edtFtpURL->setText(Q(config_.FtpURL));
  edtFtpUserName->setText(Q(config_.FtpUserName));
  edtFtpPassword->setText(Q(config_.FtpPassword));
  ShowIndex(radioNamingPattern, config_.NamingPattern);
  checkControlPopup->setChecked(config_.ControlPopup);

  for (int n = 0; n < kOutDirSlots; ++n) edtDirName[n]->setText(Q(config_.OutDir[n]));
  for (int k = 0; k < kFromTimeKinds; ++k) edtFromTime[k]->setText(Q(config_.FromTime[k + 1]));

  checkLegLzhOut->setChecked(config_.LegLzhOut);
  ShowIndex(radioLegSeisekiType, config_.LegSeisekiType);
  ShowIndex(radioLegDenmaType, config_.LegDenmaType);
  checkLegKyuKyu->setChecked(config_.LegKyuKyu);
  ShowIndex(radioLegChihoType, config_.LegChihoType);
  edtLegChihoFromTime->setText(Q(config_.LegChihoFromTime));
  checkLegChihoHuseigoYokusei->setChecked(config_.LegChihoHuseigoYokusei);
  checkIgnoreShuseiData->setChecked(config_.IgnoreShuseiData);

  checkCustomFieldAlarm->setChecked(config_.CustomFieldAlarm);
  edtCustomMaxField->setText(QString::number(config_.CustomMaxField));

  comboKijunYobi->setCurrentIndex(config_.KijunYobi - 1);
  edtKijunHH->setText(QString::number(config_.KijunHH));
  edtKijunNN->setText(QString::number(config_.KijunNN));
  edtKijunDate->setText(Q(schedule_.KijunDate));
  edtAutoDateSpan->setText(QString::number(config_.AutoDateSpan));
}

void TfrmSetting::btnOkClick() {
  bool anyPage = false;
  for (QCheckBox* box : checkFunc) anyPage = anyPage || box->isChecked();
  if (!anyPage) {
    host_.warn("全てのページを非表示とすることはできません");
    pageSetting->setCurrentIndex(kPageBasic);
    return;
  }
  // Checked before anything is taken over, so that a refusal leaves the settings untouched.
  if (FoldersRefused() || SwitchTimeRefused()) return;
  if (!SettingsTakeOver()) {
    reject();
    return;
  }
  // A failed save has been reported; the settings changed in memory all the same.
  config_.SaveSettings();
  accept();
}

std::optional<std::string> TfrmSetting::FolderRefusal(const std::string& folder) const {
  if (folder.empty()) return std::nullopt;
  if (SameFolder(folder, config_.AppDir)) return kProgramFolderRefused;
  if (SameFolder(folder, config_.TempDir)) return kUnsuitableDirectory;
  return std::nullopt;
}

bool TfrmSetting::FoldersRefused() {
  for (int n = 0; n < kOutDirSlots; ++n) {
    std::optional<std::string> refusal = FolderRefusal(Text(edtDirName[n]));
    if (!refusal) continue;
    host_.warn(*refusal);
    pageSetting->setCurrentIndex(kPageFolder);
    pageFolder->setCurrentIndex(IsLegacySlot(n) ? kFolderPageLegacy : kFolderPageKobetsu);
    edtDirName[n]->setFocus();
    return true;
  }
  return false;
}

bool TfrmSetting::SwitchTimeRefused() {
  for (auto [edit, max] : {std::pair{edtKijunHH, kMaxHour}, std::pair{edtKijunNN, kMaxMinute}}) {
    if (ClockField(edit, max)) continue;
    host_.error("週の切替時刻が正しくありません。\r\n\r\n時は 0～23、分は 0～59 の数値で"
                "指定して下さい。");
    pageSetting->setCurrentIndex(kPageAutoDate);
    edit->setFocus();
    return true;
  }
  return false;
}

bool TfrmSetting::SettingsTakeOver() {
  bool changed = false;
  for (int n = 0; n < kOutDirSlots; ++n) Take(config_.OutDir[n], Text(edtDirName[n]), changed);
  Take(config_.FtpURL, Text(edtFtpURL), changed);
  Take(config_.FtpUserName, Text(edtFtpUserName), changed);
  Take(config_.FtpPassword, Text(edtFtpPassword), changed);
  TakeIndex(config_.NamingPattern, radioNamingPattern->checkedId(), changed);
  Take(config_.ControlPopup, checkControlPopup->isChecked(), changed);
  for (int i = 0; i < kFuncPages; ++i) {
    Take(config_.*kFuncFields[i], checkFunc[i]->isChecked(), changed);
  }
  TakeIndex(config_.FirstPage, comboFirstPage->currentIndex(), changed);
  TakeIndex(config_.RealTimeDefault, radioRealTimeDefault->checkedId(), changed);
  for (int k = 0; k < kFromTimeKinds; ++k) {
    Take(config_.FromTime[k + 1], Text(edtFromTime[k]), changed);
  }
  Take(config_.LegLzhOut, checkLegLzhOut->isChecked(), changed);
  TakeIndex(config_.LegDenmaType, radioLegDenmaType->checkedId(), changed);
  TakeIndex(config_.LegSeisekiType, radioLegSeisekiType->checkedId(), changed);
  TakeIndex(config_.LegChihoType, radioLegChihoType->checkedId(), changed);
  Take(config_.LegChihoFromTime, Text(edtLegChihoFromTime), changed);
  Take(config_.LegChihoHuseigoYokusei, checkLegChihoHuseigoYokusei->isChecked(), changed);
  Take(config_.LegKyuKyu, checkLegKyuKyu->isChecked(), changed);
  Take(config_.IgnoreShuseiData, checkIgnoreShuseiData->isChecked(), changed);
  Take(config_.CustomFieldAlarm, checkCustomFieldAlarm->isChecked(), changed);
  std::optional<int> maxField = ParseInteger(Text(edtCustomMaxField));
  Take(config_.CustomMaxField, maxField && *maxField >= 0 ? *maxField : kDefaultCustomMaxField,
       changed);
  int weekday = comboKijunYobi->currentIndex();
  if (weekday >= 0) Take(config_.KijunYobi, weekday + 1, changed);
  Take(config_.KijunHH, ClockField(edtKijunHH, kMaxHour).value_or(config_.KijunHH), changed);
  Take(config_.KijunNN, ClockField(edtKijunNN, kMaxMinute).value_or(config_.KijunNN), changed);
  return changed;
}

void TfrmSetting::btnRefDirClick(int slot) {
  QLineEdit* edit = edtDirName[slot];
  std::string start = Text(edit).empty() ? config_.OutDir[0] : Text(edit);
  std::optional<std::string> chosen =
      AskDirectory("データ出力フォルダの指定", start, "", config_, host_, this);
  if (!chosen) return;
  if (std::optional<std::string> refusal = FolderRefusal(*chosen)) {
    host_.warn(*refusal);
    edit->setFocus();
    return;
  }
  edit->setText(Q(*chosen));
}

void TfrmSetting::btnKijunDateApplyClick() {
  std::string date = U(edtKijunDate->text().remove('/').remove(' '));
  if (!ParseDate8(date)) {
    host_.warn("切替基準日の日付が正しくありません。");
    edtKijunDate->setFocus();
    return;
  }
  if (!host_.confirm("切替基準日を強制変更します")) return;
  schedule_.KijunDate = date;
  if (schedule_.Load() != kResultOk) return;
  host_.info(kChanged);
  scheduleChanged_ = true;
}

void TfrmSetting::btnDaitaiApplyClick() {
  const std::string year = DecimalMinDigits(NumberOf(edtDaitaiYear), 4);
  const std::string oldMonth = DecimalMinDigits(NumberOf(edtDaitaiOldMonth), 2);
  const std::string oldDay = DecimalMinDigits(NumberOf(edtDaitaiOldDay), 2);
  const std::string newMonth = DecimalMinDigits(NumberOf(edtDaitaiNewMonth), 2);
  const std::string newDay = DecimalMinDigits(NumberOf(edtDaitaiNewDay), 2);
  const int course = comboDaitaiJyo->currentIndex();
  const std::string newDate = year + newMonth + newDay;
  // A line dated on no real day would drop the meeting from the schedule.
  if (!ParseDate8(newDate)) {
    host_.warn("変更後の日付が正しくありません。");
    edtDaitaiNewMonth->setFocus();
    return;
  }
  if (host_.ask(oldMonth + "月" + oldDay + "日の" + U(comboDaitaiJyo->currentText()) + "開催を" +
                "\r\n" + newMonth + "月" + newDay + "日に変更します。" + "\r\n" + "\r\n" +
                "よろしいですか？") != Answer::Yes) {
    return;
  }
  const std::string courseCode = DecimalMinDigits(course + 1, 2);
  switch (schedule_.SubstituteRaceDay(year + oldMonth + oldDay, courseCode, newDate)) {
    case SubstituteResult::Done:
      host_.info(kChanged);
      scheduleChanged_ = true;
      return;
    case SubstituteResult::NoSchedule:
      host_.warn("スケジュール・データがありません。\r\n"
                 "メニューより「スケジュール・データの更新」を実行して下さい。");
      return;
    case SubstituteResult::NotFound:
      host_.warn("指定された日付・場名のデータが見つかりませんでした。\r\n\r\n"
                 "変更前後の日付、場名をご確認下さい。");
      return;
    case SubstituteResult::WriteFailed:
      host_.error("スケジュール・データを書き込めませんでした。\r\n\r\n" + schedule_.FilePath());
      return;
  }
}
