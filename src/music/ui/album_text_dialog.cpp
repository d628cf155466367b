#include "music/ui/album_text_dialog.h"

#include "music/album/album_info.h"
#include "editing/ui/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const std::array<const char*, 7> kFlagCaptions{"アルバムタイトル", "アルバムアーティスト", "No.", "タイトル", "アーティスト", "時間", "アルバム"};

} // namespace

TfrmAlbumText::TfrmAlbumText(const TAlbumInfo& album, const TASOptRec& options, QWidget* parent)
    : QDialog(parent),
      album_(album),
      separator_(new QComboBox(this)),
      order_(new QComboBox(this)),
      preview_(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("アルバム情報の選択"));
    auto* items = new QGroupBox(QStringLiteral("表示項目の設定"), this);
    auto* itemLayout = new QVBoxLayout(items);
    for (std::size_t bit = 0; bit < flags_.size(); ++bit) {
        flags_[bit] = new QCheckBox(QString::fromUtf8(kFlagCaptions[bit]), items);
        flags_[bit]->setChecked(options.Flags & (1u << bit));
        itemLayout->addWidget(flags_[bit]);
        connect(flags_[bit], &QCheckBox::toggled, this, &TfrmAlbumText::Refresh);
    }
    separator_->setEditable(true);
    separator_->addItems(AlbumTextSeparatorCaptions());
    const qsizetype known = AlbumTextSeparatorCaptions().indexOf(
        options.Separator == QLatin1String(" ") ? QStringLiteral("スペース")
        : options.Separator == QLatin1String("\t") ? QStringLiteral("タブ")
                                                   : options.Separator);
    if (known >= 0)
        separator_->setCurrentIndex(static_cast<int>(known));
    else
        separator_->setCurrentText(options.Separator);
    order_->addItems(AlbumTextOrderCaptions());
    order_->setCurrentIndex(std::clamp(options.Order, 0, 5));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("区切り文字"), separator_);
    form->addRow(QStringLiteral("並び順"), order_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(items);
    layout->addLayout(form);
    layout->addWidget(preview_);
    layout->addWidget(OkCancelButtons(*this));
    connect(separator_, &QComboBox::currentTextChanged, this, &TfrmAlbumText::Refresh);
    connect(order_, &QComboBox::currentIndexChanged, this, &TfrmAlbumText::Refresh);
    Refresh();
}

TASOptRec TfrmAlbumText::Options() const
{
    TASOptRec options;
    options.Flags = 0;
    for (std::size_t bit = 0; bit < flags_.size(); ++bit)
        if (flags_[bit]->isChecked())
            options.Flags |= static_cast<std::uint8_t>(1u << bit);
    options.Separator = AlbumTextSeparator(separator_->currentText());
    options.Order = order_->currentIndex();
    return options;
}

QStringList TfrmAlbumText::Lines() const
{
    return AlbumToText(album_, Options());
}

void TfrmAlbumText::Refresh()
{
    preview_->setPlainText(Lines().join(QLatin1Char('\n')));
}
