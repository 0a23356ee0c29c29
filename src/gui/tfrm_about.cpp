#include "gui/tfrm_about.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 32;

}  // namespace

TfrmAbout::TfrmAbout(QDate today, QWidget* parent) : QDialog(parent) {
  setWindowTitle("バージョン情報");
  setObjectName("frmAbout");
  auto* layout = new QVBoxLayout(this);
  // A fixed border: the box keeps the size of its contents.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* head = new QHBoxLayout;
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
  auto* image = new QLabel(this);
  image->setObjectName("imgIcon");
  image->setPixmap(icon.pixmap(kIconSize, kIconSize));
  head->addWidget(image, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  auto* name = new QLabel("Ostravel", this);
  name->setObjectName("lblName");
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.5);
  name->setFont(bold);
  auto* version = new QLabel("Ver.4.01", this);
  version->setObjectName("lblVersion");
  auto* notice = new QLabel(QString("Copyright (C) %1 Ostravel").arg(today.year()), this);
  notice->setObjectName("lblCopyright");
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addSpacing(8);
  texts->addWidget(notice);
  head->addLayout(texts);
  layout->addLayout(head);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}
