#include "gui/tfrm_set_teigi.h"

#include "gui/qt_text.h"
#include "jvlink/data_kind_catalogue.h"
#include "util/cp932.h"
#include "util/host.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { kColNo, kColCode, kColName, kColTaisho, kColOption, kColRecords, kColumns };

constexpr int kColumnWidths[kColumns] = {22, 48, 142, 36, 60, 180};
const char* const kColumnTitles[kColumns] = {"No", "", "データ種別", "対象", "オプション",
                                             "レコード種別"};

std::string Label(int dataKind, int form) {
  std::string text;
  DataSpecLabel(dataKind, form, text);
  return text;
}

std::string OptionName(int option) {
  std::string text;
  DataKindName(option, text);
  return text;
}

std::string RecordList(const _BankSpec& bankSpec) {
  std::string list;
  for (const std::string& slot : bankSpec.RecSpec) {
    if (slot.empty()) continue;
    if (!list.empty()) list += ",";
    list += slot;
  }
  return list;
}

// Kinds whose option the user chooses; the others have one JV-Link accepts.
bool OptionChosenByUser(int dataKind) { return dataKind == 1 || dataKind == 2 || dataKind == 9; }
int ForcedOption(int dataKind) { return dataKind == 7 || dataKind == 8 ? 2 : 1; }

}  // namespace

TfrmSetTeigi::TfrmSetTeigi(TSetDef& sets, Host& host, int index, QWidget* parent)
    : QDialog(parent), sets_(sets), host_(host), index_(index), bank_(sets.GetBank(index)) {
  BuildForm();
  edtSetNo->setText(QString::number(index + 1));
  edtSetTitle->setText(Q(bank_.SetTitle));
  for (int k = 1; k <= kSetDataKinds; ++k) ShowRow(k);
  gridSpec->selectRow(0);
  gridSpecClick(1);
}

void TfrmSetTeigi::BuildForm() {
  setWindowTitle("セット定義");
  setObjectName("frmSetTeigi");
  auto* layout = new QVBoxLayout(this);

  auto* banner = new QLabel("　セット定義内の、データ種別毎の取得定義を編集します", this);
  banner->setStyleSheet("background-color: #1f4e79; color: white; font-weight: bold;"
                        "padding: 4px;");
  layout->addWidget(banner);

  auto* head = new QHBoxLayout;
  edtSetNo = new QLineEdit(this);
  edtSetNo->setObjectName("edtSetNo");
  edtSetNo->setReadOnly(true);
  edtSetNo->setMaximumWidth(40);
  edtSetTitle = new QLineEdit(this);
  edtSetTitle->setObjectName("edtSetTitle");
  head->addWidget(new QLabel("セットNo.", this));
  head->addWidget(edtSetNo);
  head->addWidget(new QLabel("セット名", this));
  head->addWidget(edtSetTitle, 1);
  layout->addLayout(head);

  auto* details = new QGroupBox("取得データ詳細", this);
  auto* detailsLayout = new QVBoxLayout(details);
  gridSpec = new QTableWidget(kSetDataKinds, kColumns, details);
  gridSpec->setObjectName("gridSpec");
  gridSpec->verticalHeader()->hide();
  gridSpec->setSelectionBehavior(QAbstractItemView::SelectRows);
  gridSpec->setSelectionMode(QAbstractItemView::SingleSelection);
  gridSpec->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gridSpec->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gridSpec->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c = 0; c < kColumns; ++c) {
    gridSpec->setHorizontalHeaderItem(c, new QTableWidgetItem(kColumnTitles[c]));
    gridSpec->setColumnWidth(c, kColumnWidths[c]);
  }
  gridSpec->verticalHeader()->setDefaultSectionSize(20);
  gridSpec->setMinimumHeight(gridSpec->horizontalHeader()->sizeHint().height() +
                             20 * kSetDataKinds + 4);
  gridSpec->setMinimumWidth(495);
  connect(gridSpec, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int previousRow, int) {
            if (row >= 0 && row != previousRow) gridSpecClick(row + 1);
          });
  // A click on the row already shown shows its entry afresh, dropping unconfirmed changes.
  connect(gridSpec, &QTableWidget::cellClicked, this,
          [this](int row, int) { gridSpecClick(row + 1); });
  detailsLayout->addWidget(gridSpec);

  auto* panel = new QHBoxLayout;
  auto* records = new QGroupBox("取得対象レコード種別", details);
  auto* recordsLayout = new QVBoxLayout(records);
  for (int i = 0; i < kRecordSlots; ++i) {
    checkRecSpec[i] = new QCheckBox(records);
    checkRecSpec[i]->setObjectName(QString("checkRecSpec%1").arg(i + 1, 2, 10, QChar('0')));
    recordsLayout->addWidget(checkRecSpec[i]);
  }
  recordsLayout->addStretch();
  panel->addWidget(records, 1);

  auto* side = new QVBoxLayout;
  checkTaisho = new QCheckBox("このデータ種別を取得対象とする", details);
  checkTaisho->setObjectName("checkTaisho");
  radioOption = new QGroupBox("オプション", details);
  radioOption->setObjectName("radioOption");
  optionButtons = new QButtonGroup(radioOption);
  auto* optionLayout = new QVBoxLayout(radioOption);
  const char* optionItems[] = {"1： 通常", "2： 今週"};
  for (int i = 0; i < 2; ++i) {
    auto* item = new QRadioButton(optionItems[i], radioOption);
    optionButtons->addButton(item, i);
    optionLayout->addWidget(item);
  }
  btnKakutei = new QPushButton("この内容で確定", details);
  btnKakutei->setObjectName("btnKakutei");
  connect(btnKakutei, &QPushButton::clicked, this, &TfrmSetTeigi::btnKakuteiClick);
  side->addWidget(checkTaisho);
  side->addWidget(radioOption);
  side->addStretch();
  side->addWidget(btnKakutei);
  panel->addLayout(side);
  detailsLayout->addLayout(panel);
  layout->addWidget(details);

  auto* buttons = new QHBoxLayout;
  btnToroku = new QPushButton("セット登録", this);
  btnToroku->setObjectName("btnToroku");
  btnCancel = new QPushButton("キャンセル", this);
  btnCancel->setObjectName("btnCancel");
  connect(btnToroku, &QPushButton::clicked, this, &TfrmSetTeigi::btnTorokuClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmSetTeigi::btnCancelClick);
  buttons->addStretch();
  buttons->addWidget(btnToroku);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
}

void TfrmSetTeigi::ShowRow(int dataKind) {
  const _BankSpec& bankSpec = bank_.Specs[static_cast<std::size_t>(dataKind - 1)];
  const std::string texts[kColumns] = {std::to_string(dataKind), Label(dataKind, 1),
                                       Label(dataKind, 2), bankSpec.Taisho ? "○" : "",
                                       OptionName(bankSpec.Option), RecordList(bankSpec)};
  for (int c = 0; c < kColumns; ++c) {
    auto* item = new QTableWidgetItem(Q(texts[c]));
    bool left = c == kColName || c == kColRecords;
    item->setTextAlignment(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignHCenter));
    gridSpec->setItem(dataKind - 1, c, item);
  }
}

void TfrmSetTeigi::gridSpecClick(int dataKind) {
  if (dataKind < 1 || dataKind > kSetDataKinds) return;
  dataKind_ = dataKind;
  if (gridSpec->currentRow() != dataKind - 1) gridSpec->selectRow(dataKind - 1);
  const _BankSpec& bankSpec = bank_.Specs[static_cast<std::size_t>(dataKind - 1)];
  checkTaisho->setChecked(bankSpec.Taisho);
  ApplyOptionRule(dataKind, bankSpec.Option);

  const std::vector<RecordSlot>& recordSlots = RecordSlotsOf(dataKind);
  for (std::size_t i = 0; i < checkRecSpec.size(); ++i) {
    bool used = i < recordSlots.size();
    checkRecSpec[i]->setVisible(used);
    checkRecSpec[i]->setText(used ? Q(std::string(recordSlots[i].id) + " : " +
                                      std::string(recordSlots[i].label))
                                  : QString());
    checkRecSpec[i]->setChecked(!bankSpec.RecSpec[i].empty());
  }
}

void TfrmSetTeigi::ApplyOptionRule(int dataKind, int storedOption) {
  bool chosen = OptionChosenByUser(dataKind);
  int option = chosen ? storedOption : ForcedOption(dataKind);
  radioOption->setEnabled(chosen);
  if (QAbstractButton* item = optionButtons->button(option - 1)) {
    item->setChecked(true);
  } else {
    // An option the dialog does not offer, read from the file: no item stands for it.
    optionButtons->setExclusive(false);
    for (QAbstractButton* button : optionButtons->buttons()) button->setChecked(false);
    optionButtons->setExclusive(true);
  }
}

void TfrmSetTeigi::btnKakuteiClick() {
  bool anyRecord = false;
  for (QCheckBox* box : checkRecSpec) anyRecord = anyRecord || box->isChecked();
  if (checkTaisho->isChecked() && !anyRecord) {
    host_.warn("取得対象となるレコード種別が1つも選択されていません");
    return;
  }
  _BankSpec& bankSpec = bank_.Specs[static_cast<std::size_t>(dataKind_ - 1)];
  bankSpec.Taisho = checkTaisho->isChecked();
  if (optionButtons->checkedId() >= 0) {
    bankSpec.Option = static_cast<std::uint8_t>(optionButtons->checkedId() + 1);
  }
  const std::vector<RecordSlot>& recordSlots = RecordSlotsOf(dataKind_);
  for (std::size_t i = 0; i < checkRecSpec.size(); ++i) {
    bool kept = i < recordSlots.size() && checkRecSpec[i]->isChecked();
    bankSpec.RecSpec[i] = kept ? std::string(recordSlots[i].id) : std::string();
  }
  ShowRow(dataKind_);
}

void TfrmSetTeigi::btnTorokuClick() {
  std::string title = U(edtSetTitle->text());
  // A title the file cannot hold would make every later save of the store fail.
  if (!Cp932FromUtf8(title).ok) {
    host_.warn("セット名に使用できない文字が含まれています");
    edtSetTitle->setFocus();
    return;
  }
  bank_.SetTitle = title;
  sets_.SetBank(index_, bank_);
  sets_.Save();
  accept();
}

void TfrmSetTeigi::btnCancelClick() { reject(); }
