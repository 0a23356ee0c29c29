#include "gui/sokuho_page.h"

#include "app/individual_acquisition.h"
#include "app/page_inputs.h"
#include "gui/number_field_rule.h"
#include "gui/qt_text.h"
#include "gui/radio_group.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TSokuhoPage::TSokuhoPage(Host& host, QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  groupDataSpec_S =
      new TRadioGroup("データ種別 （dataspec）", ItemCaptions(kIndividualRealtimeKinds), 2, this);
  groupDataSpec_S->setObjectName("groupDataSpec_S");
  connect(groupDataSpec_S, &TRadioGroup::itemClicked, this, &TSokuhoPage::ShowRaceKeyFor);
  layout->addWidget(groupDataSpec_S);

  auto* groupKeyDate = new QGroupBox("要求キー （key）", this);
  groupKeyDate->setObjectName("groupKeyDate");
  auto* row = new QHBoxLayout(groupKeyDate);
  auto* rule = new TNumberFieldRule(host, this);
  edtYY_S = rule->AddEdit(*row, groupKeyDate, "edtYY_S", 4, "年");
  edtMM_S = rule->AddEdit(*row, groupKeyDate, "edtMM_S", 2, "月");
  edtDD_S = rule->AddEdit(*row, groupKeyDate, "edtDD_S", 2, "日");
  row->addSpacing(16);

  panelRaceKey = new QWidget(groupKeyDate);
  panelRaceKey->setObjectName("panelRaceKey");
  auto* raceKey = new QHBoxLayout(panelRaceKey);
  raceKey->setContentsMargins(0, 0, 0, 0);
  raceKey->addWidget(new QLabel("場名", panelRaceKey));
  comboJo = new QComboBox(panelRaceKey);
  comboJo->setObjectName("comboJo");
  for (const QString& course : ItemCaptions(kIndividualCourses)) comboJo->addItem(course);
  raceKey->addWidget(comboJo);
  raceKey->addSpacing(8);
  raceKey->addWidget(new QLabel("レース", panelRaceKey));
  comboRNO = new QComboBox(panelRaceKey);
  comboRNO->setObjectName("comboRNO");
  for (int race = 1; race <= kIndividualRaces; ++race) {
    comboRNO->addItem(QString("%1").arg(race, 2, 10, QChar('0')));
  }
  raceKey->addWidget(comboRNO);
  row->addWidget(panelRaceKey);
  row->addStretch();
  layout->addWidget(groupKeyDate);
  layout->addStretch();
}

void TSokuhoPage::ShowInput(const RealtimePageInput& input) {
  groupDataSpec_S->SetItemIndex(input.dataSpecIndex);
  edtYY_S->setText(Q(input.year));
  edtMM_S->setText(Q(input.month));
  edtDD_S->setText(Q(input.day));
  comboJo->setCurrentIndex(input.courseIndex);
  comboRNO->setCurrentIndex(input.raceIndex);
  ShowRaceKeyFor(input.dataSpecIndex);
}

void TSokuhoPage::StoreInput(RealtimePageInput& input) const {
  input.dataSpecIndex = groupDataSpec_S->ItemIndex();
  input.year = U(edtYY_S->text());
  input.month = U(edtMM_S->text());
  input.day = U(edtDD_S->text());
  input.courseIndex = comboJo->currentIndex();
  input.raceIndex = comboRNO->currentIndex();
}

void TSokuhoPage::ShowRaceKeyFor(int index) {
  // Before any choice the panel shows.
  panelRaceKey->setVisible(index < 0 || !IsDayLevelRealtimeKind(index));
}
