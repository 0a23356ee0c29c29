#pragma once
// The page "[個] 蓄積": one stored-data request with hand-set dataspec, fromtime and option.

#include <QWidget>

class Host;
class QLineEdit;
class TRadioGroup;
struct StoredPageInput;

class TChikusekiPage : public QWidget {
  Q_OBJECT

 public:
  TChikusekiPage(Host& host, QWidget* parent = nullptr);

  void ShowInput(const StoredPageInput& input);
  void StoreInput(StoredPageInput& input) const;
  // Where a refused date sends the user.
  void FocusYear();

 private:
  TRadioGroup* groupDataSpec_C = nullptr;
  QLineEdit* edtYY_C = nullptr;
  QLineEdit* edtMM_C = nullptr;
  QLineEdit* edtDD_C = nullptr;
  QLineEdit* edtHH_C = nullptr;
  QLineEdit* edtNN_C = nullptr;
  QLineEdit* edtSS_C = nullptr;
  TRadioGroup* groupOption_C = nullptr;
};
