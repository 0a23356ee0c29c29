#include "gui/page_banner.h"

#include <QLabel>

QLabel* NewPageBanner(const QString& text, const QColor& band, QWidget* parent) {
  auto* banner = new QLabel(text, parent);
  banner->setObjectName("banner");
  banner->setAutoFillBackground(true);
  QPalette palette = banner->palette();
  palette.setColor(QPalette::Window, band);
  palette.setColor(QPalette::WindowText, Qt::white);
  banner->setPalette(palette);
  QFont font = banner->font();
  font.setBold(true);
  banner->setFont(font);
  banner->setContentsMargins(8, 5, 8, 5);
  banner->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return banner;
}
