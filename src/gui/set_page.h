#pragma once
// The set page's controls for the main window to embed: the radio group "取得対象セット"
// (radioTaishoSet) with the titles of sets 1 to 8, and "セット内容の変更・確認" (btnSetUpdate),
// which opens the set definition dialog on the chosen set.

#include <QWidget>

#include <array>

class Host;
class QButtonGroup;
class QPushButton;
class QRadioButton;
class TSetDef;

class TSetPage : public QWidget {
  Q_OBJECT

 public:
  TSetPage(TSetDef& sets, Host& host, QWidget* parent = nullptr);

  // The eight captions := the titles of sets 1 to 8.
  void RefreshCaptions();
  // The chosen set's index 0..7, or -1 when none is chosen (as at start).
  int SelectedSet() const;
  // Refuses without a chosen set; otherwise opens the dialog modally and refreshes the captions
  // when it closed with OK.
  void btnSetUpdateClick();

 private:
  TSetDef& sets_;
  Host& host_;
  QButtonGroup* radioTaishoSet = nullptr;
  std::array<QRadioButton*, 8> items_{};
  QPushButton* btnSetUpdate = nullptr;
};
