#include "gui/chikuseki_page.h"

#include "app/individual_acquisition.h"
#include "app/page_inputs.h"
#include "gui/number_field_rule.h"
#include "gui/qt_text.h"
#include "gui/radio_group.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TChikusekiPage::TChikusekiPage(Host& host, QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  groupDataSpec_C =
      new TRadioGroup("データ種別 （dataspec）", ItemCaptions(kIndividualStoredKinds), 1, this);
  groupDataSpec_C->setObjectName("groupDataSpec_C");
  layout->addWidget(groupDataSpec_C);

  auto* groupFromDate_C = new QGroupBox("開始日付・時刻 （fromtime）", this);
  groupFromDate_C->setObjectName("groupFromDate_C");
  auto* row = new QHBoxLayout(groupFromDate_C);
  auto* rule = new TNumberFieldRule(host, this);
  edtYY_C = rule->AddEdit(*row, groupFromDate_C, "edtYY_C", 4, "年");
  edtMM_C = rule->AddEdit(*row, groupFromDate_C, "edtMM_C", 2, "月");
  edtDD_C = rule->AddEdit(*row, groupFromDate_C, "edtDD_C", 2, "日");
  row->addSpacing(16);
  edtHH_C = rule->AddEdit(*row, groupFromDate_C, "edtHH_C", 2, "時");
  edtNN_C = rule->AddEdit(*row, groupFromDate_C, "edtNN_C", 2, "分");
  edtSS_C = rule->AddEdit(*row, groupFromDate_C, "edtSS_C", 2, "秒");
  row->addStretch();
  layout->addWidget(groupFromDate_C);

  groupOption_C =
      new TRadioGroup("オプション （option）", ItemCaptions(kIndividualOptions), 4, this);
  groupOption_C->setObjectName("groupOption_C");
  layout->addWidget(groupOption_C);
  layout->addStretch();
}

void TChikusekiPage::ShowInput(const StoredPageInput& input) {
  groupDataSpec_C->SetItemIndex(input.dataSpecIndex);
  edtYY_C->setText(Q(input.year));
  edtMM_C->setText(Q(input.month));
  edtDD_C->setText(Q(input.day));
  edtHH_C->setText(Q(input.hour));
  edtNN_C->setText(Q(input.minute));
  edtSS_C->setText(Q(input.second));
  groupOption_C->SetItemIndex(input.optionIndex);
}

void TChikusekiPage::StoreInput(StoredPageInput& input) const {
  input.dataSpecIndex = groupDataSpec_C->ItemIndex();
  input.year = U(edtYY_C->text());
  input.month = U(edtMM_C->text());
  input.day = U(edtDD_C->text());
  input.hour = U(edtHH_C->text());
  input.minute = U(edtNN_C->text());
  input.second = U(edtSS_C->text());
  input.optionIndex = groupOption_C->ItemIndex();
}

void TChikusekiPage::FocusYear() { edtYY_C->setFocus(); }
