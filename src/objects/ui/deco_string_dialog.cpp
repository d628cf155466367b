#include "objects/ui/deco_string_dialog.h"

#include "core/messages.h"
#include "objects/deco/deco_string.h"
#include "objects/deco/image_font.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/image_font_list.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

namespace {

const QString kInvalidText = QStringLiteral("飾り文字には「A～Z、a～z、0～9、?、!」しか使えません");
const QString kEmptyText = QStringLiteral("文字列が入力されていません");

} // namespace

bool IsDecoStringText(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == QLatin1Char(' ') || TImageFont::GlyphIndex(c) >= 0; });
}

TfrmDecoString::TfrmDecoString(const TLODecoString& source, bool isNew, const QString& fontFolder, QWidget* parent)
    : QDialog(parent), isNew_(isNew), store_(std::make_unique<TImageFontStore>(fontFolder)),
      copy_(std::make_unique<TLODecoString>())
{
    setWindowTitle(isNew ? QStringLiteral("飾り文字の追加") : QStringLiteral("飾り文字の編集・設定"));
    copy_->Assign(source);
    copy_->Font().SetStore(store_.get());
    copy_->SetAngle(0);

    auto* pages = new QTabWidget(this);
    pages->addTab(StringPage(fontFolder), QStringLiteral("飾り文字"));
    position_ = new TPositionPage(this);
    position_->SetRect(source.BoundsRect());
    position_->SetSizeEnabled(!isNew);
    pages->addTab(position_, QStringLiteral("位置"));
    preview_ = new TObjectPreview(this);
    preview_->SetObject(copy_.get());
    LayOutPropertyDialog(*this, pages, preview_);

    fonts_->SetFontNo(source.FontNo());
    connect(text_, &QLineEdit::textChanged, this, &TfrmDecoString::FieldsEdited);
    connect(align_, &QComboBox::currentIndexChanged, this, &TfrmDecoString::FieldsEdited);
    connect(fonts_, &QListWidget::currentRowChanged, this, &TfrmDecoString::FieldsEdited);
    connect(position_, &TPositionPage::Changed, this, [this] {
        if (position_->HasSize()) {
            copy_->SetBoundsRect(position_->Rect());
            preview_->update();
        }
    });
    FieldsEdited();
}

TfrmDecoString::~TfrmDecoString() = default;

QWidget* TfrmDecoString::StringPage(const QString& fontFolder)
{
    auto* page = new QWidget(this);
    text_ = new QLineEdit(copy_->Text(), page);
    align_ = new QComboBox(page);
    align_->addItems({QStringLiteral("左寄せ"), QStringLiteral("ｾﾝﾀﾘﾝｸﾞ"), QStringLiteral("右寄せ"), QStringLiteral("均等配置")});
    align_->setCurrentIndex(std::clamp(copy_->Align(), 0, 3));
    fonts_ = new TImageFontList(*store_, fontFolder, page);
    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("文字(&T)"), text_);
    layout->addRow(QStringLiteral("文字配置(&A)"), align_);
    layout->addRow(QStringLiteral("フォント(&F)"), fonts_);
    return page;
}

void TfrmDecoString::FieldsEdited()
{
    copy_->SetText(text_->text());
    copy_->SetAlign(align_->currentIndex());
    if (fonts_->FontNo() > 0)
        copy_->SetFontNo(fonts_->FontNo());
    if (isNew_) {
        // A new string takes its size from its text: show that size on the position page.
        copy_->FitToText();
        const TRect at = position_->Rect();
        position_->SetRect({at.Left, at.Top, at.Left + copy_->Width(), at.Top + copy_->Height()});
    }
    preview_->update();
}

void TfrmDecoString::accept()
{
    const QString text = text_->text();
    if (text.isEmpty() || !IsDecoStringText(text)) {
        ShowMessageBox(text.isEmpty() ? kEmptyText : kInvalidText);
        text_->setFocus();
        return;
    }
    QDialog::accept();
}

void TfrmDecoString::WriteBack(TLODecoString& target) const
{
    TUpdateBracket bracket(target.Notifier());
    target.SetText(text_->text());
    if (fonts_->FontNo() > 0)
        target.SetFontNo(fonts_->FontNo());
    target.SetAlign(align_->currentIndex());
    if (isNew_)
        target.FitToText();
    else if (position_->HasSize())
        target.SetBoundsRect(position_->Rect());
}
