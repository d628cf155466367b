#include "music/ui/album_delete_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmDeleteAlbum::TfrmDeleteAlbum(QWidget* parent)
    : QDialog(parent),
      current_(new QRadioButton(QStringLiteral("現在のアルバム"), this)),
      all_(new QRadioButton(QStringLiteral("すべてのアルバムを削除"), this))
{
    setWindowTitle(QStringLiteral("アルバムの削除"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(current_);
    layout->addWidget(all_);
    layout->addWidget(OkCancelButtons(*this));
    current_->setChecked(true);
}

bool TfrmDeleteAlbum::DeleteAll() const
{
    return all_->isChecked();
}

void TfrmDeleteAlbum::accept()
{
    if (DeleteAll() && !AskYesNo(QStringLiteral("すべてのアルバムを削除します。よろしいですか？"), false))
        return;
    QDialog::accept();
}
