#include "gui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& title, const std::vector<QString>& items, int columns,
                         QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  layout->setVerticalSpacing(2);
  const int count = static_cast<int>(items.size());
  const int rows = (count + columns - 1) / columns;
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(items[static_cast<std::size_t>(i)], this);
    group_->addButton(button, i);
    layout->addWidget(button, i % rows, i / rows);
    buttons_.push_back(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::itemClicked);
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < Count()) {
    Item(index)->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked; lift that to clear it.
  group_->setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_->setExclusive(true);
}
