// The controls of the options dialog, page by page.

#include "app/individual_acquisition.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"
#include "gui/right_edit.h"
#include "gui/tfrm_setting.h"
#include "util/date_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kFuncCaptions[kFuncPages] = {"セット取得", "旧仕様変換", "速報オッズ",
                                                   "カスタム出力", "[個別] 蓄積", "[個別] 速報"};
constexpr const char* kFuncNames[kFuncPages] = {
    "checkFuncSet",    "checkFuncLegacy",          "checkFuncRtd",
    "checkFuncCustom", "checkFuncKobetsuChikuseki", "checkFuncKobetsuSokuho"};

// Labels of the data kinds 1..13; the blanks inside DIFN, BLDN, TCVN and RCVN are full-width.
constexpr const char* kFromTimeLabels[kFromTimeKinds] = {
    "TOKU ： 特別登録馬情報",
    "RACE ： レース情報",
    "DIFN ： 蓄積系ソフト用　蓄積情報",
    "BLDN ： 蓄積系ソフト用　血統情報",
    "SLOP ： 坂路調教情報",
    "YSCH ： 開催スケジュール",
    "TCVN ： 非蓄積系ソフト用　特別登録馬情報",
    "RCVN ： 非蓄積系ソフト用　レース情報",
    "SNPN ： 出走時点情報",
    "HOSN ： 競走馬市場取引価格情報",
    "HOYU ： 馬名の意味由来情報",
    "COMM ： 各種解説情報",
    "MING ： データマイニング情報"};
constexpr int kTimeStampLength = 14;

QGroupBox* Group(const char* title, QWidget* parent) { return new QGroupBox(title, parent); }

QCheckBox* Check(const char* text, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

// Radio buttons 0..n-1 in `box`, one under the other or side by side.
QButtonGroup* RadioItems(QGroupBox* box, std::initializer_list<const char*> items,
                         bool sideBySide = false) {
  auto* group = new QButtonGroup(box);
  QBoxLayout* layout = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                  : static_cast<QBoxLayout*>(new QVBoxLayout(box));
  int id = 0;
  for (const char* item : items) {
    auto* button = new QRadioButton(item, box);
    button->setObjectName(QString("%1%2").arg(box->objectName()).arg(id));
    group->addButton(button, id++);
    layout->addWidget(button);
  }
  if (sideBySide) layout->addStretch();
  return group;
}

// At most `length` characters can be typed; unlike a maximum length, a longer value from the
// settings (a CustomMaxField of 255) is still shown and taken back whole.
void LimitTyping(QLineEdit* edit, int length) {
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QString(".{0,%1}").arg(length)), edit));
}

TRightEdit* NumberEdit(const char* name, int maxLength, QWidget* parent) {
  auto* edit = new TRightEdit(parent);
  edit->setObjectName(name);
  LimitTyping(edit, maxLength);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(maxLength + 1, '0')) + 14);
  return edit;
}

QLineEdit* TimeStampEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  LimitTyping(edit, kTimeStampLength);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(kTimeStampLength + 2, '0')));
  return edit;
}

// A row of widgets and texts from the left, the rest of the row left empty.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

QLabel* Text(const char* text, QWidget* parent) { return new QLabel(text, parent); }

}  // namespace

void TfrmSetting::BuildForm() {
  setWindowTitle("オプション設定");
  setObjectName("frmSetting");
  auto* layout = new QVBoxLayout(this);
  pageSetting = new QTabWidget(this);
  pageSetting->setObjectName("pageSetting");
  pageSetting->addTab(BuildBasicPage(), "基本設定");
  pageSetting->addTab(BuildFolderPage(), "出力フォルダ");
  pageSetting->addTab(BuildSetPage(), "セット取得");
  pageSetting->addTab(BuildLegacyPage(), "旧仕様変換");
  pageSetting->addTab(BuildCustomPage(), "カスタム出力");
  pageSetting->addTab(BuildAutoDatePage(), "自動日付提示");
  layout->addWidget(pageSetting);

  btnOk = AddOkCancelButtons(this, layout);
  connect(btnOk, &QPushButton::clicked, this, &TfrmSetting::btnOkClick);
}

QWidget* TfrmSetting::BuildBasicPage() {
  auto* page = new QWidget;
  page->setObjectName("tabKihon");
  auto* layout = new QVBoxLayout(page);

  auto* funcs = Group("使用（表示）する機能", page);
  auto* funcLayout = new QGridLayout(funcs);
  for (int i = 0; i < kFuncPages; ++i) {
    checkFunc[i] = Check(kFuncCaptions[i], kFuncNames[i], funcs);
    funcLayout->addWidget(checkFunc[i], i / 3, i % 3);
  }
  layout->addWidget(funcs);

  comboFirstPage = new QComboBox(page);
  comboFirstPage->setObjectName("comboFirstPage");
  for (const char* caption : kFuncCaptions) comboFirstPage->addItem(caption);
  layout->addLayout(Row({Text("起動時に表示させるページ", page), comboFirstPage}));

  auto* realTime = Group("速報オッズ デフォルト出力形式", page);
  realTime->setObjectName("radioRealTimeDefault");
  radioRealTimeDefault = RadioItems(realTime, {"JV-Data仕様", "旧仕様"}, true);
  layout->addWidget(realTime);

  groupFtp = Group("FTP転送設定", page);
  groupFtp->setObjectName("groupFtp");
  auto* ftpLayout = new QGridLayout(groupFtp);
  edtFtpURL = new QLineEdit(groupFtp);
  edtFtpURL->setObjectName("edtFtpURL");
  edtFtpUserName = new QLineEdit(groupFtp);
  edtFtpUserName->setObjectName("edtFtpUserName");
  edtFtpPassword = new QLineEdit(groupFtp);
  edtFtpPassword->setObjectName("edtFtpPassword");
  edtFtpPassword->setEchoMode(QLineEdit::Password);
  edtFtpPassword->setStyleSheet("lineedit-password-character: 42;");  // "*"
  const std::pair<const char*, QLineEdit*> ftpRows[] = {
      {"ホスト名（アドレス）：", edtFtpURL},
      {"ユーザ名：", edtFtpUserName},
      {"パスワード：", edtFtpPassword}};
  int ftpRow = 0;
  for (const auto& [label, edit] : ftpRows) {
    ftpLayout->addWidget(Text(label, groupFtp), ftpRow, 0);
    ftpLayout->addWidget(edit, ftpRow++, 1);
  }
  layout->addWidget(groupFtp);

  auto* other = Group("その他", page);
  auto* otherLayout = new QVBoxLayout(other);
  auto* naming = Group("", other);
  naming->setObjectName("radioNamingPattern");
  radioNamingPattern = RadioItems(naming, {"パターン1", "パターン2"}, true);
  naming->setFlat(true);
  otherLayout->addLayout(Row({Text("出力ファイル名：", other), naming}));
  checkControlPopup = Check("エラーメッセージをポップアップさせない", "checkControlPopup", other);
  otherLayout->addWidget(checkControlPopup);
  layout->addWidget(other);
  layout->addStretch();
  return page;
}

QWidget* TfrmSetting::FolderRows(std::initializer_list<std::pair<const char*, int>> rows) {
  auto* holder = new QWidget;
  auto* grid = new QGridLayout(holder);
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (const auto& [label, slot] : rows) {
    edtDirName[slot] = new QLineEdit(holder);
    edtDirName[slot]->setObjectName(QString("edtDirName%1").arg(slot));
    edtDirName[slot]->setMinimumWidth(300);
    btnRefDir[slot] = new QPushButton("変更...", holder);
    btnRefDir[slot]->setObjectName(QString("btnRefDir%1").arg(slot));
    connect(btnRefDir[slot], &QPushButton::clicked, this, [this, slot] { btnRefDirClick(slot); });
    grid->addWidget(Text(label, holder), row, 0);
    grid->addWidget(edtDirName[slot], row, 1);
    grid->addWidget(btnRefDir[slot], row++, 2);
  }
  return holder;
}

QWidget* TfrmSetting::BuildFolderPage() {
  auto* page = new QWidget;
  page->setObjectName("tabFolder");
  auto* layout = new QVBoxLayout(page);
  auto* group = Group("データ出力先フォルダ", page);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(FolderRows({{"代表フォルダ：", 0}}));

  pageFolder = new QTabWidget(group);
  pageFolder->setObjectName("pageFolder");
  auto* kobetsu = new QWidget;
  kobetsu->setObjectName("tabFolderKobetsu");
  auto* kobetsuLayout = new QVBoxLayout(kobetsu);
  auto* set = Group("セット取得", kobetsu);
  (new QVBoxLayout(set))->addWidget(FolderRows({{"", 1}}));
  auto* realTime = Group("速報データ", kobetsu);
  (new QVBoxLayout(realTime))->addWidget(FolderRows({{"Data Lab.仕様：", 16}, {"旧仕様：", 17}}));
  auto* custom = Group("カスタム出力", kobetsu);
  (new QVBoxLayout(custom))->addWidget(FolderRows({{"", 20}}));
  auto* individual = Group("個別取得", kobetsu);
  (new QVBoxLayout(individual))->addWidget(FolderRows({{"蓄積系：", 18}, {"速報系：", 19}}));
  for (QGroupBox* box : {set, realTime, custom, individual}) kobetsuLayout->addWidget(box);
  kobetsuLayout->addStretch();
  pageFolder->addTab(kobetsu, "個別指定");

  auto* legacy = new QWidget;
  legacy->setObjectName("tabFolderLegacy");
  auto* legacyLayout = new QVBoxLayout(legacy);
  legacyLayout->addWidget(FolderRows({{"出馬表＋競走馬：", 2},
                                      {"騎手：", 3},
                                      {"調教師：", 4},
                                      {"地方成績：", 5},
                                      {"競走馬（初出走馬）：", 6},
                                      {"成績＋票数＋オッズ：", 7},
                                      {"抹消競走馬：", 8},
                                      {"抹消騎手：", 9},
                                      {"抹消調教師：", 10},
                                      {"特別登録馬：", 11},
                                      {"競走馬（特別登録馬）：", 12},
                                      {"年間スケジュール：", 13},
                                      {"（旧々）出馬表＋競走馬：", 14},
                                      {"（旧々）成績＋票数＋オッズ：", 15}}));
  legacyLayout->addStretch();
  pageFolder->addTab(legacy, "旧仕様変換");
  groupLayout->addWidget(pageFolder);
  layout->addWidget(group);
  return page;
}

QWidget* TfrmSetting::BuildSetPage() {
  auto* page = new QWidget;
  page->setObjectName("tabSet");
  auto* layout = new QVBoxLayout(page);
  auto* group = Group("データ種別毎の最終タイムスタンプ", page);
  auto* grid = new QGridLayout(group);
  for (int k = 0; k < kFromTimeKinds; ++k) {
    edtFromTime[k] = TimeStampEdit(QString("edtFromTime%1").arg(k), group);
    grid->addWidget(Text(kFromTimeLabels[k], group), k, 0);
    grid->addWidget(edtFromTime[k], k, 1);
  }
  grid->setColumnStretch(2, 1);
  layout->addWidget(group);
  layout->addWidget(Text("※ このタイムスタンプは「セット取得」においてのみ有効です。", page));
  layout->addStretch();
  return page;
}

QWidget* TfrmSetting::BuildLegacyPage() {
  auto* page = new QWidget;
  page->setObjectName("tabLegacy");
  auto* layout = new QVBoxLayout(page);

  auto* format = Group("ファイル出力形式", page);
  checkLegLzhOut = Check("LZH形式で出力する", "checkLegLzhOut", format);
  (new QHBoxLayout(format))->addLayout(
      Row({checkLegLzhOut, Text("（※ 速報オッズには適用されません。）", format)}));
  layout->addWidget(format);

  auto* types = new QHBoxLayout;
  auto* seiseki = Group("成績タイプ", page);
  seiseki->setObjectName("radioLegSeisekiType");
  radioLegSeisekiType = RadioItems(seiseki, {"「成績＋票数＋オッズ」", "「成績」 のみ"});
  auto* denma = Group("出馬表タイプ", page);
  denma->setObjectName("radioLegDenmaType");
  radioLegDenmaType = RadioItems(denma, {"「出馬表＋競走馬」", "「出馬表」 のみ"});
  types->addWidget(seiseki);
  types->addWidget(denma);
  layout->addLayout(types);

  auto* kyuKyu = Group("旧々仕様", page);
  checkLegKyuKyu = Check("旧々（～1999年）仕様も使用する", "checkLegKyuKyu", kyuKyu);
  (new QVBoxLayout(kyuKyu))->addWidget(checkLegKyuKyu);
  layout->addWidget(kyuKyu);

  auto* chiho = Group("地方成績取得オプション", page);
  auto* chihoLayout = new QVBoxLayout(chiho);
  radioLegChihoType = new QButtonGroup(chiho);
  auto* lastWeek = new QRadioButton("過去1週間の提供分を取得", chiho);
  lastWeek->setObjectName("radioLegChihoType0");
  auto* sinceLast = new QRadioButton("前回時以降分を取得", chiho);
  sinceLast->setObjectName("radioLegChihoType1");
  radioLegChihoType->addButton(lastWeek, 0);
  radioLegChihoType->addButton(sinceLast, 1);
  edtLegChihoFromTime = TimeStampEdit("edtLegChihoFromTime", chiho);
  checkLegChihoHuseigoYokusei =
      Check("登録頭数分の成績データが存在しないレースは出力しない",
            "checkLegChihoHuseigoYokusei", chiho);
  chihoLayout->addWidget(lastWeek);
  chihoLayout->addLayout(Row({sinceLast, Text("FromTime", chiho), edtLegChihoFromTime}));
  chihoLayout->addWidget(checkLegChihoHuseigoYokusei);
  layout->addWidget(chiho);

  auto* shusei = Group("修正データ", page);
  checkIgnoreShuseiData =
      Check("修正データは反映させなくてもよい （過去成績データ取得時に処理時間の短縮を優先）",
            "checkIgnoreShuseiData", shusei);
  (new QVBoxLayout(shusei))->addWidget(checkIgnoreShuseiData);
  layout->addWidget(shusei);
  layout->addStretch();
  return page;
}

QWidget* TfrmSetting::BuildCustomPage() {
  auto* page = new QWidget;
  page->setObjectName("tabCustom");
  auto* layout = new QVBoxLayout(page);
  auto* group = Group("データ定義オプション", page);
  checkCustomFieldAlarm =
      Check("データ定義の保存時、出力項目数が", "checkCustomFieldAlarm", group);
  edtCustomMaxField = NumberEdit("edtCustomMaxField", 2, group);
  (new QVBoxLayout(group))->addLayout(Row(
      {checkCustomFieldAlarm, edtCustomMaxField, Text("を超える場合は警告を行う", group)}));
  layout->addWidget(group);
  layout->addStretch();
  return page;
}

QWidget* TfrmSetting::BuildAutoDatePage() {
  auto* page = new QWidget;
  page->setObjectName("tabAutoDate");
  auto* layout = new QVBoxLayout(page);

  auto* kijun = Group("週の切替基準日時", page);
  comboKijunYobi = new QComboBox(kijun);
  comboKijunYobi->setObjectName("comboKijunYobi");
  for (const char* name : kWeekdayNames) comboKijunYobi->addItem(name);
  edtKijunHH = NumberEdit("edtKijunHH", 2, kijun);
  edtKijunNN = NumberEdit("edtKijunNN", 2, kijun);
  (new QVBoxLayout(kijun))->addLayout(Row({Text("基準曜日・時刻：", kijun), comboKijunYobi,
                                           edtKijunHH, Text("時", kijun), edtKijunNN,
                                           Text("分 に週を切り替える", kijun)}));
  layout->addWidget(kijun);

  auto* span = Group("自動日付提示変更（年始などの変則開催時に開催日付が提示されない場合に使用）",
                     page);
  auto* spanLayout = new QVBoxLayout(span);
  // The day count is shown only: the week always spans AutoDateSpan days in this program run.
  edtAutoDateSpan = NumberEdit("edtAutoDateSpan", 1, span);
  edtAutoDateSpan->setReadOnly(true);
  spanLayout->addLayout(Row({Text("上記「切替基準日」から", span), edtAutoDateSpan,
                             Text("日間の開催日を提示する", span)}));
  edtKijunDate = new QLineEdit(span);
  edtKijunDate->setObjectName("edtKijunDate");
  edtKijunDate->setInputMask("0000/00/00");
  edtKijunDate->setFixedWidth(edtKijunDate->fontMetrics().horizontalAdvance("0000/00/000") + 14);
  btnKijunDateApply = new QPushButton("適用", span);
  btnKijunDateApply->setObjectName("btnKijunDateApply");
  connect(btnKijunDateApply, &QPushButton::clicked, this, &TfrmSetting::btnKijunDateApplyClick);
  spanLayout->addLayout(
      Row({Text("現在の切替基準日：", span), edtKijunDate, btnKijunDateApply}));
  spanLayout->addWidget(Text("※ この設定は「適用」後、今回の起動中のみ有効です。", span));
  layout->addWidget(span);

  auto* daitai = Group("代替開催（代替開催日が提示されない場合に使用）", page);
  edtDaitaiYear = NumberEdit("edtDaitaiYear", 4, daitai);
  edtDaitaiOldMonth = NumberEdit("edtDaitaiOldMonth", 2, daitai);
  edtDaitaiOldDay = NumberEdit("edtDaitaiOldDay", 2, daitai);
  comboDaitaiJyo = new QComboBox(daitai);
  comboDaitaiJyo->setObjectName("comboDaitaiJyo");
  for (std::string_view course : kIndividualCourses) comboDaitaiJyo->addItem(Q(std::string(course)));
  comboDaitaiJyo->setCurrentIndex(-1);
  edtDaitaiNewMonth = NumberEdit("edtDaitaiNewMonth", 2, daitai);
  edtDaitaiNewDay = NumberEdit("edtDaitaiNewDay", 2, daitai);
  btnDaitaiApply = new QPushButton("適用", daitai);
  btnDaitaiApply->setObjectName("btnDaitaiApply");
  connect(btnDaitaiApply, &QPushButton::clicked, this, &TfrmSetting::btnDaitaiApplyClick);
  (new QVBoxLayout(daitai))
      ->addLayout(Row({edtDaitaiYear, Text("年", daitai), edtDaitaiOldMonth, Text("月", daitai),
                       edtDaitaiOldDay, Text("日", daitai), comboDaitaiJyo,
                       Text("開催を", daitai), edtDaitaiNewMonth, Text("月", daitai),
                       edtDaitaiNewDay, Text("日に変更", daitai), btnDaitaiApply}));
  layout->addWidget(daitai);
  layout->addStretch();
  return page;
}
