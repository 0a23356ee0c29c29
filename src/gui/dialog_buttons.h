#pragma once
// The buttons that close a dialog, at its bottom right: "OK" (the default button, btnOk) and
// "キャンセル" (btnCancel, closes with Cancel). What "OK" does is left to the dialog.

class QBoxLayout;
class QDialog;
class QPushButton;

// Adds both as the last row of `layout`; returns the "OK" button.
QPushButton* AddOkCancelButtons(QDialog* dialog, QBoxLayout* layout);
