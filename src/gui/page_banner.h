#pragma once
// The white bold text on a coloured band that opens every page of the main window.

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

QLabel* NewPageBanner(const QString& text, const QColor& band, QWidget* parent);
