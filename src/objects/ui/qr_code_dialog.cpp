#include "objects/ui/qr_code_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kFieldCaptions[] = {"名前", "フリガナ", "電話1", "電話2", "E-Mail1", "E-Mail2", "URL", "タイトル"};
const char* const kHistoryNames[] = {"Name", "Kana", "Tel1", "Tel2", "Mail1", "Mail2", "URL", "URLTitle"};

using Getter = QString (TLOQRStd::*)() const;
using Setter = void (TLOQRStd::*)(const QString&);
using IdGetter = int (TLOQRStd::*)() const;
const Getter kGetters[] = {&TLOQRStd::QRName,   &TLOQRStd::QRFurigana, &TLOQRStd::QRTel1, &TLOQRStd::QRTel2,
                           &TLOQRStd::QREmail1, &TLOQRStd::QREmail2,   &TLOQRStd::QRUrl,  &TLOQRStd::QRUrlTitle};
const Setter kSetters[] = {&TLOQRStd::SetQRName,   &TLOQRStd::SetQRFurigana, &TLOQRStd::SetQRTel1,
                           &TLOQRStd::SetQRTel2,   &TLOQRStd::SetQREmail1,   &TLOQRStd::SetQREmail2,
                           &TLOQRStd::SetQRUrl,    &TLOQRStd::SetQRUrlTitle};
const IdGetter kIds[] = {&TLOQRStd::QRNameID,   &TLOQRStd::QRFuriganaID, &TLOQRStd::QRTel1ID, &TLOQRStd::QRTel2ID,
                         &TLOQRStd::QREmail1ID, &TLOQRStd::QREmail2ID,   &TLOQRStd::QRUrlID,  &TLOQRStd::QRUrlTitleID};

// Levels by list entry: all four for one family, no L for the other.
const char kAllLevels[] = "LMQH";
const char kNoLowLevels[] = "MQH";

QString LevelCaption(char level)
{
    switch (level) {
    case 'L':
        return QStringLiteral("L(7%)");
    case 'M':
        return QStringLiteral("M(15%)");
    case 'Q':
        return QStringLiteral("Q(25%)");
    default:
        return QStringLiteral("H(30%)");
    }
}

} // namespace

QStringList QRHistoryKeys()
{
    QStringList keys;
    for (const char* name : kHistoryNames)
        keys << QStringLiteral("$(QRCodeHistory)\\") + QLatin1String(name);
    return keys;
}

TfrmQRCodeProperty::TfrmQRCodeProperty(const TLOQRStd& source, bool isNew, QWidget* parent)
    : QDialog(parent), copy_(std::make_unique<TLOQRStd>())
{
    setWindowTitle(QStringLiteral("QRコードの設定"));
    copy_->Assign(source);
    if (copy_->QRType() == sqtDoCoMo && copy_->QRKind() == sqkURL)
        copy_->SetQRType(sqtVodafone);
    rememberedType_ = copy_->QRType();

    auto* tabs = new QTabWidget(this);
    tabs->addTab(CodePage(), QStringLiteral("QRコード"));
    position_ = new TPositionPage(this);
    position_->SetRect(source.BoundsRect());
    position_->SetSizeEnabled(!isNew);
    tabs->addTab(position_, QStringLiteral("位置"));

    previewBox_ = new TObjectPreview(this);
    previewBox_->SetObject(copy_.get());
    actualSize_ = new QCheckBox(QStringLiteral("実際の大きさで表示する(&Y)"), this);
    connect(actualSize_, &QCheckBox::toggled, previewBox_, &TObjectPreview::SetActualSize);
    status_ = new QLabel(this);
    status_->setWordWrap(true);

    auto* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(status_);
    layout->addWidget(previewBox_, 1);
    layout->addWidget(actualSize_);
    layout->addWidget(buttons);
    UpdateControls();
}

TfrmQRCodeProperty::~TfrmQRCodeProperty() = default;

QWidget* TfrmQRCodeProperty::FieldRow(TField field, QWidget* parent)
{
    TFieldRow& row = fields_[field];
    row.List = std::make_unique<THistoryList>(QRHistoryKeys()[field]);
    row.Edit = new QLineEdit((copy_.get()->*kGetters[field])(), parent);
    // A field filled from a profile is not typed over.
    row.Edit->setReadOnly((copy_.get()->*kIds[field])() != -1);
    if (row.Edit->isReadOnly())
        row.Edit->setStyleSheet(QStringLiteral("background: lightgray;"));
    connect(row.Edit, &QLineEdit::textEdited, this, [this, field] { FieldEdited(field); });
    row.History = new QToolButton(parent);
    row.History->setText(QStringLiteral("▼"));
    connect(row.History, &QToolButton::clicked, this, [this, field] {
        QMenu menu(this);
        for (const QString& entry : HistoryEntries(field))
            menu.addAction(entry, this, [this, field, entry] { ChooseHistoryEntry(field, entry); });
        menu.addSeparator();
        menu.addAction(QStringLiteral("履歴の消去"), this, [this, field] {
            fields_[field].List->Clear();
            UpdateHistoryButton(field);
        });
        menu.exec(fields_[field].History->mapToGlobal(QPoint(0, fields_[field].History->height())));
    });
    UpdateHistoryButton(field);
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(row.Edit, 1);
    layout->addWidget(row.History);
    return widget;
}

QWidget* TfrmQRCodeProperty::CodePage()
{
    auto* page = new QWidget(this);
    kind_ = new QComboBox(page);
    kind_->addItems({QStringLiteral("電話帳"), QStringLiteral("URL"), QStringLiteral("フリー入力")});
    kind_->setCurrentIndex(copy_->QRKind());
    connect(kind_, &QComboBox::activated, this, &TfrmQRCodeProperty::KindChosen);
    carrier_ = new QComboBox(page);
    carrier_->addItems({QStringLiteral("ドコモ(au)"), QStringLiteral("ボーダフォン(au)")});
    connect(carrier_, &QComboBox::activated, this, &TfrmQRCodeProperty::CarrierChosen);
    level_ = new QComboBox(page);
    connect(level_, &QComboBox::activated, this, [this](int index) {
        const char* levels = copy_->QRType() == sqtDoCoMo ? kAllLevels : kNoLowLevels;
        copy_->SetErrorCorrectLevel(levels[index]);
        UpdateControls();
    });
    autoMask_ = new QCheckBox(QStringLiteral("自動選択"), page);
    autoMask_->setChecked(copy_->AutoMask());
    connect(autoMask_, &QCheckBox::toggled, this, [this](bool automatic) {
        copy_->SetAutoMask(automatic);
        UpdateControls();
    });
    mask_ = new QComboBox(page);
    for (int mask = 0; mask < 8; ++mask)
        mask_->addItem(QString::number(mask));
    connect(mask_, &QComboBox::activated, this, [this](int mask) {
        copy_->SetMaskNo(mask);
        UpdateControls();
    });
    split_ = new QCheckBox(QStringLiteral("空白で自動分割"), page);
    split_->setChecked(copy_->QRNameCommaDevide());
    connect(split_, &QCheckBox::toggled, this, [this](bool split) {
        copy_->SetQRNameCommaDevide(split);
        UpdateControls();
    });
    hankaku_ = new QCheckBox(QStringLiteral("半角カタカナに変換"), page);
    hankaku_->setChecked(copy_->QRFuriganaHankaku());
    connect(hankaku_, &QCheckBox::toggled, this, [this](bool convert) {
        copy_->SetQRFuriganaHankaku(convert);
        UpdateControls();
    });

    pages_ = new QStackedWidget(page);
    auto* phone = new QWidget(pages_);
    auto* phoneLayout = new QFormLayout(phone);
    for (const TField field : {fName, fFurigana, fTel1, fTel2, fEmail1, fEmail2})
        phoneLayout->addRow(QString::fromUtf8(kFieldCaptions[field]), FieldRow(field, phone));
    auto* url = new QWidget(pages_);
    auto* urlLayout = new QFormLayout(url);
    urlLayout->addRow(QString::fromUtf8(kFieldCaptions[fUrl]), FieldRow(fUrl, url));
    // The title is kept with the object but not offered for editing.
    FieldRow(fUrlTitle, url)->hide();
    text_ = new QPlainTextEdit(copy_->QRText()->Text(), pages_);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        copy_->QRText()->SetText(text_->toPlainText());
        UpdateControls();
    });
    pages_->addWidget(phone);
    pages_->addWidget(url);
    pages_->addWidget(text_);

    auto* mask = new QWidget(page);
    auto* maskLayout = new QHBoxLayout(mask);
    maskLayout->setContentsMargins(0, 0, 0, 0);
    maskLayout->addWidget(autoMask_);
    maskLayout->addWidget(mask_, 1);
    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("項目"), kind_);
    layout->addRow(QStringLiteral("機種"), carrier_);
    layout->addRow(QStringLiteral("誤り訂正レベル"), level_);
    layout->addRow(QStringLiteral("マスク"), mask);
    layout->addRow(split_);
    layout->addRow(hankaku_);
    layout->addRow(pages_);
    return page;
}

void TfrmQRCodeProperty::FieldEdited(TField field)
{
    (copy_.get()->*kSetters[field])(fields_[field].Edit->text());
    UpdateControls();
}

void TfrmQRCodeProperty::KindChosen(int kind)
{
    if (kind == sqkTel) {
        copy_->SetQRType(rememberedType_);
    } else {
        if (copy_->QRKind() == sqkTel)
            rememberedType_ = copy_->QRType();
        copy_->SetQRType(sqtVodafone);
    }
    copy_->SetQRKind(static_cast<TStdQRKind>(kind));
    UpdateControls();
}

void TfrmQRCodeProperty::CarrierChosen(int carrier)
{
    copy_->SetQRType(carrier == 0 ? sqtDoCoMo : sqtVodafone);
    rememberedType_ = copy_->QRType();
    UpdateControls();
}

void TfrmQRCodeProperty::FillLevels()
{
    const QString levels = QString::fromLatin1(copy_->QRType() == sqtDoCoMo ? kAllLevels : kNoLowLevels);
    level_->clear();
    for (const QChar level : levels)
        level_->addItem(LevelCaption(level.toLatin1()));
    // A level the list lacks (L for the family without it) shows as M until changed.
    const qsizetype index = levels.indexOf(QLatin1Char(copy_->ErrorCorrectLevel()));
    level_->setCurrentIndex(index >= 0 ? static_cast<int>(index) : static_cast<int>(levels.indexOf(QLatin1Char('M'))));
}

void TfrmQRCodeProperty::UpdateControls()
{
    const bool phone = copy_->QRKind() == sqkTel;
    kind_->setCurrentIndex(copy_->QRKind());
    pages_->setCurrentIndex(copy_->QRKind());
    carrier_->setVisible(phone);
    carrier_->setCurrentIndex(copy_->QRType() == sqtDoCoMo ? 0 : 1);
    FillLevels();
    mask_->setEnabled(!copy_->AutoMask());
    mask_->setCurrentIndex(copy_->MaskNo());
    split_->setEnabled(phone && copy_->QRType() == sqtDoCoMo);
    hankaku_->setEnabled(phone);
    if (!copy_->UnmappableChars().isEmpty())
        status_->setText(QStringLiteral("次の文字はQRコードにできません: %1").arg(copy_->UnmappableChars()));
    else
        status_->setText(copy_->Code().RefusalReason());
    previewBox_->update();
}

void TfrmQRCodeProperty::UpdateHistoryButton(TField field)
{
    fields_[field].History->setEnabled(!fields_[field].List->Items().isEmpty());
}

QStringList TfrmQRCodeProperty::HistoryEntries(TField field) const
{
    return fields_[field].List->Items();
}

void TfrmQRCodeProperty::ChooseHistoryEntry(TField field, const QString& entry)
{
    if (fields_[field].Edit->isReadOnly())
        return;
    fields_[field].Edit->setText(entry);
    FieldEdited(field);
}

void TfrmQRCodeProperty::accept()
{
    if (!copy_->UnmappableChars().isEmpty()) {
        ShowMessageBox(status_->text());
        return;
    }
    for (const TField field : {fName, fFurigana, fTel1, fTel2, fEmail1, fEmail2, fUrl}) {
        const QString text = fields_[field].Edit->text();
        if (!text.isEmpty())
            fields_[field].List->Add(text);
    }
    QDialog::accept();
}

void TfrmQRCodeProperty::ApplyTo(TLOQRStd& target) const
{
    target.Assign(*copy_);
    if (position_->HasSize())
        target.SetBoundsRect(position_->Rect());
}
