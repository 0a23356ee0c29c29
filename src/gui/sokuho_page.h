#pragma once
// The page "[個] 速報": one real-time request with hand-set dataspec and key. The race-key panel
// (course and race) is shown only for kinds whose key names a race.

#include <QWidget>

class Host;
class QComboBox;
class QLineEdit;
class TRadioGroup;
struct RealtimePageInput;

class TSokuhoPage : public QWidget {
  Q_OBJECT

 public:
  TSokuhoPage(Host& host, QWidget* parent = nullptr);

  void ShowInput(const RealtimePageInput& input);
  void StoreInput(RealtimePageInput& input) const;

 private:
  // Updated on every click of the data kind group.
  void ShowRaceKeyFor(int dataSpecIndex);

  TRadioGroup* groupDataSpec_S = nullptr;
  QLineEdit* edtYY_S = nullptr;
  QLineEdit* edtMM_S = nullptr;
  QLineEdit* edtDD_S = nullptr;
  QWidget* panelRaceKey = nullptr;
  QComboBox* comboJo = nullptr;
  QComboBox* comboRNO = nullptr;
};
