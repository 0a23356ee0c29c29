#pragma once
// A titled group of exclusive radio buttons laid out in columns, filled down each column first,
// with the index of the chosen item (-1 while none is chosen).

#include <QGroupBox>

#include <string_view>
#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const QString& title, const std::vector<QString>& items, int columns,
              QWidget* parent = nullptr);

  int ItemIndex() const;
  // -1 clears the choice.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Item(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 signals:
  // The user chose item `index`.
  void itemClicked(int index);

 private:
  QButtonGroup* group_ = nullptr;
  std::vector<QRadioButton*> buttons_;
};

// Captions for a radio group from the core's item texts.
template <typename Items>
std::vector<QString> ItemCaptions(const Items& items) {
  std::vector<QString> captions;
  for (std::string_view item : items) {
    captions.push_back(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
  }
  return captions;
}
