#include "objects/ui/jan_code_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/color/color_fill.h"
#include "objects/codes/jan_symbol.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/font_fields.h"
#include "objects/ui/position_page.h"
#include "text/point_based_font.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The page last shown, for as long as the program runs.
int lastPage = 0;

const QString kInvalidCode = QStringLiteral("JANコードが正しくありません。");

} // namespace

bool IsAcceptableJANInput(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return text.size() == 7 || text.size() == 12 || IsValidJANCode(text);
}

TfrmJANCodeProperty::TfrmJANCodeProperty(const TLOJANCode& source, bool isNew, QWidget* parent)
    : QDialog(parent), preview_(std::make_unique<TLOJANCode>()), sourceFontSize_(source.Font().Size()),
      textColor_(source.Font().Color())
{
    setWindowTitle(isNew ? QStringLiteral("JANｺｰﾄﾞの追加") : QStringLiteral("JANコードの設定"));
    preview_->Assign(source);
    preview_->SetAngle(0);

    pages_ = new QTabWidget(this);
    pages_->addTab(CodePage(), QStringLiteral("JANコード"));
    pages_->addTab(ColorPage(), QStringLiteral("文字色"));
    position_ = new TPositionPage(this);
    position_->SetRect(source.BoundsRect());
    position_->SetSizeEnabled(!isNew);
    pages_->addTab(position_, QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage);
    connect(pages_, &QTabWidget::currentChanged, this, [](int page) { lastPage = page; });
    connect(position_, &TPositionPage::Changed, this, [this] {
        if (position_->HasSize()) {
            preview_->SetBoundsRect(position_->Rect());
            previewBox_->update();
        }
    });

    previewBox_ = new TObjectPreview(this);
    previewBox_->SetObject(preview_.get());
    actualSize_ = new QCheckBox(QStringLiteral("実際の大きさで表示する(&Y)"), this);
    connect(actualSize_, &QCheckBox::toggled, previewBox_, &TObjectPreview::SetActualSize);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(previewBox_, 1);
    layout->addWidget(actualSize_);
    layout->addWidget(buttons);
    CodeEdited();
}

TfrmJANCodeProperty::~TfrmJANCodeProperty() = default;

QWidget* TfrmJANCodeProperty::CodePage()
{
    auto* page = new QWidget(this);
    code_ = new QLineEdit(preview_->JANCode(), page);
    code_->setMaxLength(13);
    code_->setAttribute(Qt::WA_InputMethodEnabled, false);
    code_->setToolTip(QStringLiteral("8桁または13桁のJANコードを入力します"));
    code_->setPlaceholderText(code_->toolTip());
    connect(code_, &QLineEdit::textEdited, this, &TfrmJANCodeProperty::CodeEdited);
    showNumber_ = new QCheckBox(QStringLiteral("数字表示(&N)"), page);
    showNumber_->setChecked(preview_->ShowNumber());
    showFrame_ = new QCheckBox(QStringLiteral("枠線表示(&R)"), page);
    showFrame_->setChecked(preview_->ShowFrame());
    fontName_ = ::FontNameBox(page, preview_->Font().Name());
    fontSize_ = ::FontSizeBox(page, preview_->Font().Size());
    for (QCheckBox* box : {showNumber_, showFrame_})
        connect(box, &QCheckBox::toggled, this, &TfrmJANCodeProperty::OptionsEdited);
    for (QComboBox* box : {fontName_, fontSize_})
        connect(box, &QComboBox::currentTextChanged, this, &TfrmJANCodeProperty::OptionsEdited);
    auto* help = new QLabel(QStringLiteral("バーコードの左右には7モジュール分の余白を取ります。規格ではEAN-13の左側に"
                                           "11モジュールの余白が求められるため、読み取りにくいときは左側を広めに空けてください。"),
                            page);
    help->setWordWrap(true);

    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("JANコード(&J)"), code_);
    layout->addRow(showNumber_);
    layout->addRow(showFrame_);
    layout->addRow(QStringLiteral("フォント(&F)"), fontName_);
    layout->addRow(QStringLiteral("サイズ(&S)"), fontSize_);
    layout->addRow(help);
    return page;
}

QWidget* TfrmJANCodeProperty::ColorPage()
{
    auto* page = new QWidget(this);
    colorSwatch_ = new QLabel(page);
    colorSwatch_->setFixedSize(48, 24);
    auto* choose = new QPushButton(QStringLiteral("色の選択(&C)..."), page);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QColor color = QColorDialog::getColor(ToQColor(textColor_), this);
        if (color.isValid())
            SetTextColor(static_cast<TColor>(color.red() | color.green() << 8 | color.blue() << 16));
    });
    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("数字の色"), colorSwatch_);
    layout->addRow(choose);
    SetTextColor(textColor_);
    return page;
}

void TfrmJANCodeProperty::SetTextColor(TColor color)
{
    textColor_ = color;
    colorSwatch_->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray;").arg(ToQColor(color).name()));
    TColorSpec spec;
    spec.SetColor(color);
    preview_->SetLineColor(spec);
    if (previewBox_)
        previewBox_->update();
}

bool TfrmJANCodeProperty::PreviewShown() const
{
    return IsAcceptableJANInput(code_->text());
}

void TfrmJANCodeProperty::CodeEdited()
{
    preview_->SetJANCode(MakeJANCode(code_->text()));
    // Only a valid code is previewed.
    previewBox_->SetObject(PreviewShown() ? preview_.get() : nullptr);
}

void TfrmJANCodeProperty::OptionsEdited()
{
    preview_->SetShowNumber(showNumber_->isChecked());
    preview_->SetShowFrame(showFrame_->isChecked());
    TPointBasedFont font;
    font.Assign(preview_->Font());
    ApplyFontFields(font, fontName_, fontSize_, 10);
    preview_->SetFont(font);
    previewBox_->update();
}

void TfrmJANCodeProperty::accept()
{
    if (!IsAcceptableJANInput(code_->text())) {
        ShowMessageBox(kInvalidCode);
        code_->setFocus();
        return;
    }
    QDialog::accept();
}

void TfrmJANCodeProperty::ApplyTo(TLOJANCode& target) const
{
    target.SetJANCode(MakeJANCode(code_->text()));
    target.SetShowNumber(showNumber_->isChecked());
    target.SetShowFrame(showFrame_->isChecked());
    if (position_->HasSize())
        target.SetBoundsRect(position_->Rect());
    TPointBasedFont font;
    font.Assign(target.Font());
    font.SetColor(textColor_);
    ApplyFontFields(font, fontName_, fontSize_, sourceFontSize_);
    target.SetFont(font);
}
