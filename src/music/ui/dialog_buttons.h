#pragma once
// The OK and "キャンセル" buttons of the music dialogs.
class QDialog;
class QDialogButtonBox;

// Buttons wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);
