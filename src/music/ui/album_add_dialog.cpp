#include "music/ui/album_add_dialog.h"

#include "editing/ui/dialog_buttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

TAlbumEditor::TAddPosition rememberedPosition = TAlbumEditor::TAddPosition::Append;
bool rememberedCopy = false;

} // namespace

TfrmAddAlbum::TfrmAddAlbum(QWidget* parent)
    : QDialog(parent),
      append_(new QRadioButton(QStringLiteral("最後尾に追加"), this)),
      atCurrent_(new QRadioButton(QStringLiteral("現在の位置に追加"), this)),
      first_(new QRadioButton(QStringLiteral("先頭に追加"), this)),
      copy_(new QCheckBox(QStringLiteral("現在の内容をコピーする"), this))
{
    setWindowTitle(QStringLiteral("アルバムの追加"));
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{append_, atCurrent_, first_, copy_})
        layout->addWidget(widget);
    layout->addWidget(OkCancelButtons(*this));
    switch (rememberedPosition) {
    case TAlbumEditor::TAddPosition::Append: append_->setChecked(true); break;
    case TAlbumEditor::TAddPosition::AtCurrent: atCurrent_->setChecked(true); break;
    case TAlbumEditor::TAddPosition::First: first_->setChecked(true); break;
    }
    copy_->setChecked(rememberedCopy);
}

TAlbumEditor::TAddPosition TfrmAddAlbum::Position() const
{
    if (atCurrent_->isChecked())
        return TAlbumEditor::TAddPosition::AtCurrent;
    if (first_->isChecked())
        return TAlbumEditor::TAddPosition::First;
    return TAlbumEditor::TAddPosition::Append;
}

bool TfrmAddAlbum::CopyCurrent() const
{
    return copy_->isChecked();
}

void TfrmAddAlbum::done(int result)
{
    if (result == Accepted) {
        rememberedPosition = Position();
        rememberedCopy = CopyCurrent();
    }
    QDialog::done(result);
}
