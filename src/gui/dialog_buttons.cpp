#include "gui/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

QPushButton* AddOkCancelButtons(QDialog* dialog, QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton("OK", dialog);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton("キャンセル", dialog);
  cancel->setObjectName("btnCancel");
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  return ok;
}
