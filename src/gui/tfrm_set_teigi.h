#pragma once
// The set definition dialog ("セット定義"): edits one set's entry per data kind on a copy of the
// set and gives the copy back to the store only on "セット登録". Messages go through the Host.

#include "sets/set_def.h"

#include <QDialog>

#include <array>

class Host;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TfrmSetTeigi : public QDialog {
  Q_OBJECT

 public:
  // index 0..12: the set to edit (set number - 1).
  TfrmSetTeigi(TSetDef& sets, Host& host, int index, QWidget* parent = nullptr);

  // Shows entry k (1..13) of the copy in the lower panel; unconfirmed changes are dropped.
  void gridSpecClick(int dataKind);
  // "この内容で確定": stores the panel into entry k of the copy and redraws its row.
  void btnKakuteiClick();
  // "セット登録": title into the copy, copy into the store, store saved, dialog closed with OK.
  void btnTorokuClick();
  // "キャンセル": closes without touching the store.
  void btnCancelClick();

  const _Bank& Bank() const { return bank_; }
  int CurrentDataKind() const { return dataKind_; }

 private:
  void BuildForm();
  void ShowRow(int dataKind);
  void ApplyOptionRule(int dataKind, int storedOption);

  TSetDef& sets_;
  Host& host_;
  int index_;
  _Bank bank_;
  int dataKind_ = 1;

  QLineEdit* edtSetNo = nullptr;
  QLineEdit* edtSetTitle = nullptr;
  QTableWidget* gridSpec = nullptr;
  std::array<QCheckBox*, kRecordSlots> checkRecSpec{};
  QCheckBox* checkTaisho = nullptr;
  QGroupBox* radioOption = nullptr;
  QButtonGroup* optionButtons = nullptr;
  QPushButton* btnKakutei = nullptr;
  QPushButton* btnToroku = nullptr;
  QPushButton* btnCancel = nullptr;
};
