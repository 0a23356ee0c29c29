#pragma once
// "オプション設定": edits the settings on six pages and takes them over only on "OK", saving
// them when something changed. Its two "適用" buttons act on the race-day schedule at once: a
// switch date for this run of the program, and a substitute race day written into
// "schedule.dat". Every output folder is chosen with the folder picker. Messages go through the
// Host.

#include "config/tconfig.h"

#include <QDialog>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

class Host;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TAppCore;
class TRightEdit;
class TSchedule;

constexpr int kFuncPages = 6;  // the main window pages that can be hidden

class TfrmSetting : public QDialog {
  Q_OBJECT

 public:
  // Shows every setting; the core must have been started (it holds the schedule).
  TfrmSetting(TAppCore& core, Host& host, QWidget* parent = nullptr);

  // Set when one of the "適用" buttons changed the schedule: the caller refills the race-day
  // lists after the dialog closed.
  bool ScheduleChanged() const { return scheduleChanged_; }

  // "OK": refuses to hide every page, an unusable switch time and the program's own folders;
  // otherwise takes the settings over and closes with OK (saved) when something changed, with
  // Cancel when nothing did.
  void btnOkClick();
  // Copies every control into the settings where its value differs, in a fixed order; true
  // when something changed.
  bool SettingsTakeOver();
  // "変更...": the folder picker for output folder slot `slot`, into the slot's edit only.
  void btnRefDirClick(int slot);
  // "適用" of the switch date: KijunDate for this run of the program, the schedule reloaded.
  void btnKijunDateApplyClick();
  // "適用" of the substitute race day: one meeting of "schedule.dat" moved to another day.
  void btnDaitaiApplyClick();

 private:
  void BuildForm();
  QWidget* BuildBasicPage();
  QWidget* BuildFolderPage();
  QWidget* BuildSetPage();
  QWidget* BuildLegacyPage();
  QWidget* BuildCustomPage();
  QWidget* BuildAutoDatePage();
  QWidget* FolderRows(std::initializer_list<std::pair<const char*, int>> rows);
  void ShowSettings();
  std::optional<std::string> FolderRefusal(const std::string& folder) const;
  bool FoldersRefused();
  bool SwitchTimeRefused();

  Host& host_;
  TConfig& config_;
  TSchedule& schedule_;
  bool scheduleChanged_ = false;

  QTabWidget* pageSetting = nullptr;
  QTabWidget* pageFolder = nullptr;

  std::array<QCheckBox*, kFuncPages> checkFunc{};
  QComboBox* comboFirstPage = nullptr;
  QButtonGroup* radioRealTimeDefault = nullptr;
  QGroupBox* groupFtp = nullptr;
  QLineEdit* edtFtpURL = nullptr;
  QLineEdit* edtFtpUserName = nullptr;
  QLineEdit* edtFtpPassword = nullptr;
  QButtonGroup* radioNamingPattern = nullptr;
  QCheckBox* checkControlPopup = nullptr;

  std::array<QLineEdit*, kOutDirSlots> edtDirName{};
  std::array<QPushButton*, kOutDirSlots> btnRefDir{};

  std::array<QLineEdit*, kFromTimeKinds> edtFromTime{};

  QCheckBox* checkLegLzhOut = nullptr;
  QButtonGroup* radioLegSeisekiType = nullptr;
  QButtonGroup* radioLegDenmaType = nullptr;
  QCheckBox* checkLegKyuKyu = nullptr;
  QButtonGroup* radioLegChihoType = nullptr;
  QLineEdit* edtLegChihoFromTime = nullptr;
  QCheckBox* checkLegChihoHuseigoYokusei = nullptr;
  QCheckBox* checkIgnoreShuseiData = nullptr;

  QCheckBox* checkCustomFieldAlarm = nullptr;
  TRightEdit* edtCustomMaxField = nullptr;

  QComboBox* comboKijunYobi = nullptr;
  TRightEdit* edtKijunHH = nullptr;
  TRightEdit* edtKijunNN = nullptr;
  TRightEdit* edtAutoDateSpan = nullptr;
  QLineEdit* edtKijunDate = nullptr;
  QPushButton* btnKijunDateApply = nullptr;
  TRightEdit* edtDaitaiYear = nullptr;
  TRightEdit* edtDaitaiOldMonth = nullptr;
  TRightEdit* edtDaitaiOldDay = nullptr;
  QComboBox* comboDaitaiJyo = nullptr;
  TRightEdit* edtDaitaiNewMonth = nullptr;
  TRightEdit* edtDaitaiNewDay = nullptr;
  QPushButton* btnDaitaiApply = nullptr;

  QPushButton* btnOk = nullptr;
};
