#include "gui/tfrm_emulator_setting.h"

#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"
#include "jvlink/jvlink_emulator.h"
#include "util/host.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <filesystem>

namespace {

constexpr int kMaxPace = 9999;

}  // namespace

TfrmEmulatorSetting::TfrmEmulatorSetting(const EmulatorSettings& settings, Host& host,
                                         QWidget* parent)
    : QDialog(parent), host_(host) {
  BuildForm();
  edtStoreDir->setText(Q(settings.storeDir));
  edtPace->setValue(settings.pace);
}

void TfrmEmulatorSetting::BuildForm() {
  setWindowTitle("JV-Link エミュレータの設定");
  setObjectName("frmEmulatorSetting");
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;

  edtStoreDir = new QLineEdit(this);
  edtStoreDir->setObjectName("edtStoreDir");
  edtStoreDir->setMinimumWidth(320);
  edtStoreDir->setPlaceholderText("（プログラムのフォルダの store）");
  btnRefStore = new QPushButton("参照...", this);
  btnRefStore->setObjectName("btnRefStore");
  connect(btnRefStore, &QPushButton::clicked, this, &TfrmEmulatorSetting::btnRefStoreClick);
  grid->addWidget(new QLabel("ストアフォルダ：", this), 0, 0);
  grid->addWidget(edtStoreDir, 0, 1);
  grid->addWidget(btnRefStore, 0, 2);

  edtPace = new QSpinBox(this);
  edtPace->setObjectName("edtPace");
  edtPace->setRange(0, kMaxPace);
  grid->addWidget(new QLabel("ダウンロード速度：", this), 1, 0);
  auto* paceRow = new QHBoxLayout;
  paceRow->addWidget(edtPace);
  paceRow->addWidget(new QLabel("ファイル／状態確認1回（0：一度に全て）", this));
  paceRow->addStretch();
  grid->addLayout(paceRow, 1, 1, 1, 2);
  layout->addLayout(grid);

  btnOk = AddOkCancelButtons(this, layout);
  connect(btnOk, &QPushButton::clicked, this, &TfrmEmulatorSetting::btnOkClick);
}

EmulatorSettings TfrmEmulatorSetting::Settings() const {
  EmulatorSettings settings;
  settings.storeDir = U(edtStoreDir->text().trimmed());
  settings.pace = edtPace->value();
  return settings;
}

void TfrmEmulatorSetting::btnRefStoreClick() {
  QString folder = QFileDialog::getExistingDirectory(this, "ストアフォルダの指定",
                                                     edtStoreDir->text());
  if (!folder.isEmpty()) edtStoreDir->setText(folder);
}

void TfrmEmulatorSetting::btnOkClick() {
  const std::string folder = Settings().storeDir;
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
    host_.warn("指定されたストアフォルダが存在しません。\r\n\r\n" + folder);
    edtStoreDir->setFocus();
    return;
  }
  accept();
}

void UseEmulatorSettingDialog(JvLinkEmulator& emulator, Host& host, QWidget* parent) {
  // The emulator may outlive the window it was given.
  QPointer<QWidget> owner(parent);
  emulator.SetSetupDialog([&host, owner](EmulatorSettings& settings) {
    TfrmEmulatorSetting dialog(settings, host, owner.data());
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.Settings();
    return true;
  });
}
