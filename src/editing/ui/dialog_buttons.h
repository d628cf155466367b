#pragma once
// The OK and "キャンセル" buttons that close the program's dialogs.
#include <QString>

class QDialog;
class QDialogButtonBox;

// Buttons wired to the dialog's accept and reject; OK (captioned okCaption) is the default.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, const QString& okCaption = QStringLiteral("OK"));
