#include "gui/set_page.h"

#include "gui/qt_text.h"
#include "gui/tfrm_set_teigi.h"
#include "sets/set_def.h"
#include "util/host.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

static_assert(kSetsOffered == 8);

TSetPage::TSetPage(TSetDef& sets, Host& host, QWidget* parent)
    : QWidget(parent), sets_(sets), host_(host) {
  auto* layout = new QHBoxLayout(this);
  auto* group = new QGroupBox("取得対象セット", this);
  group->setObjectName("radioTaishoSet");
  radioTaishoSet = new QButtonGroup(group);
  auto* groupLayout = new QVBoxLayout(group);
  for (int i = 0; i < kSetsOffered; ++i) {
    items_[i] = new QRadioButton(group);
    items_[i]->setObjectName(QString("radioTaishoSet%1").arg(i + 1));
    radioTaishoSet->addButton(items_[i], i);
    groupLayout->addWidget(items_[i]);
  }
  layout->addWidget(group, 1);

  btnSetUpdate = new QPushButton("セット内容の変更・確認", this);
  btnSetUpdate->setObjectName("btnSetUpdate");
  connect(btnSetUpdate, &QPushButton::clicked, this, &TSetPage::btnSetUpdateClick);
  layout->addWidget(btnSetUpdate, 0, Qt::AlignBottom);
  RefreshCaptions();
}

void TSetPage::RefreshCaptions() {
  for (int i = 0; i < kSetsOffered; ++i) items_[i]->setText(Q(sets_.GetBank(i).SetTitle));
}

int TSetPage::SelectedSet() const { return radioTaishoSet->checkedId(); }

void TSetPage::btnSetUpdateClick() {
  int index = SelectedSet();
  if (index < 0) {
    host_.warn("変更対象となるセットが選択されていません\r\n\r\n変更対象セットをチェックして下さい");
    return;
  }
  TfrmSetTeigi dialog(sets_, host_, index, this);
  if (dialog.exec() == QDialog::Accepted) RefreshCaptions();
}
