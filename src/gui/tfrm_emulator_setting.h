#pragma once
// The JV-Link emulator's own settings dialog: the store folder it serves and the download pace.
// It is what JVSetUIProperties opens on machines that run the emulator.

#include "jvlink/emulator_settings.h"

#include <QDialog>

class Host;
class JvLinkEmulator;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmEmulatorSetting : public QDialog {
  Q_OBJECT

 public:
  TfrmEmulatorSetting(const EmulatorSettings& settings, Host& host, QWidget* parent = nullptr);

  // The settings as edited.
  EmulatorSettings Settings() const;
  // "OK": refuses a store folder that does not exist (empty means the default store).
  void btnOkClick();

 private:
  void BuildForm();
  void btnRefStoreClick();

  Host& host_;
  QLineEdit* edtStoreDir = nullptr;
  QPushButton* btnRefStore = nullptr;
  QSpinBox* edtPace = nullptr;
  QPushButton* btnOk = nullptr;
};

// From now on JVSetUIProperties of `emulator` shows the dialog modally over `parent`; the
// emulator saves and applies the settings on OK.
void UseEmulatorSettingDialog(JvLinkEmulator& emulator, Host& host, QWidget* parent = nullptr);
