#include "objects/ui/date_property_dialog.h"

#include "core/notify.h"
#include "graphics/color/color_fill.h"
#include "objects/dates/date_format.h"
#include "objects/dates/date_object.h"
#include "objects/dates/japanese_holidays.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"
#include "objects/ui/shadow_offset_box.h"
#include "objects/ui/text_style_box.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace {

// The page last shown, while the program runs.
int lastPage = 0;

const QStringList kUpdateMethods = {QStringLiteral("更新しない"), QStringLiteral("開いたときに更新する"),
                                    QStringLiteral("印刷時に更新する"), QStringLiteral("保存時に更新する")};

// The dates a document can hold.
const QDate kFirstDate(100, 1, 1);
const QDate kLastDate(9999, 12, 31);

std::unique_ptr<TLODate> CopyOf(const TLODate& source)
{
    auto copy = std::make_unique<TLODate>();
    copy->Assign(source);
    return copy;
}

QSpinBox* NumberSpin(QWidget* parent, int max, const QString& suffix)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, max);
    spin->setSuffix(suffix);
    return spin;
}

// Two radio buttons of one choice, the first standing for "on".
std::pair<QRadioButton*, QRadioButton*> OnOffButtons(QWidget* parent, const QString& on, const QString& off)
{
    auto* group = new QButtonGroup(parent);
    auto* onButton = new QRadioButton(on, parent);
    auto* offButton = new QRadioButton(off, parent);
    group->addButton(onButton);
    group->addButton(offButton);
    return {onButton, offButton};
}

} // namespace

TfrmDateProperty::TfrmDateProperty(const TLODate& source, bool isNew, const TPatternFiles& patterns, QWidget* parent)
    : QDialog(parent), edited_(CopyOf(source)), preview_(CopyOf(source)), sourceFormat_(source.Format())
{
    setWindowTitle(isNew ? QStringLiteral("日付オブジェクトの追加") : QStringLiteral("日付オブジェクトの設定"));
    pages_ = new QTabWidget(this);
    pages_->addTab(DatePage(), QStringLiteral("日付"));
    pages_->addTab(ColorPage(), QStringLiteral("文字色"));
    pages_->addTab(StylePage(patterns), QStringLiteral("変形"));
    pages_->addTab(ShadowPage(), QStringLiteral("影"));
    pages_->addTab(OutlinePage(), QStringLiteral("縁取り"));
    position_ = new TPositionPage(this);
    pages_->addTab(position_, QStringLiteral("位置"));
    if (isNew)
        lastPage = 0;
    pages_->setCurrentIndex(lastPage);
    connect(pages_, &QTabWidget::currentChanged, this, [](int page) { lastPage = page; });
    connect(position_, &TPositionPage::Changed, this, &TfrmDateProperty::FieldsChanged);

    previewView_ = new TObjectPreview(this);
    LayOutPropertyDialog(*this, pages_, previewView_);
    ReadFields();
    loading_ = false;
    FieldsChanged();
}

TfrmDateProperty::~TfrmDateProperty() = default;

QWidget* TfrmDateProperty::DatePage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    previousMonth_ = new QPushButton(QStringLiteral("前月(&P)"), page);
    nextMonth_ = new QPushButton(QStringLiteral("次月(&N)"), page);
    // Return presses OK even while a month button has the focus.
    for (QPushButton* button : {previousMonth_, nextMonth_})
        button->setAutoDefault(false);
    month_ = new QLabel(page);
    month_->setAlignment(Qt::AlignCenter);
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(previousMonth_);
    monthRow->addWidget(month_, 1);
    monthRow->addWidget(nextMonth_);
    column->addLayout(monthRow);
    calendar_ = new QCalendarWidget(page);
    calendar_->setNavigationBarVisible(false);
    calendar_->setDateRange(kFirstDate, kLastDate);
    calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar_->setFirstDayOfWeek(Qt::Sunday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    if (auto* view = calendar_->findChild<QAbstractItemView*>())
        view->installEventFilter(this);
    column->addWidget(calendar_);

    auto* form = new QFormLayout;
    hour_ = NumberSpin(page, 23, QStringLiteral(" 時"));
    form->addRow(QStringLiteral("時(&H)"), hour_);
    minute_ = NumberSpin(page, 59, QStringLiteral(" 分"));
    form->addRow(QStringLiteral("分(&M)"), minute_);
    formats_ = new QListWidget(page);
    for (int row = 0; row < OfferedDateFormats().size(); ++row)
        formats_->addItem(QString());
    form->addRow(QStringLiteral("書式(&F)"), formats_);
    formatNote_ = new QLabel(page);
    formatNote_->setWordWrap(true);
    form->addRow(formatNote_);
    update_ = new QComboBox(page);
    update_->addItems(kUpdateMethods);
    form->addRow(QStringLiteral("更新方法(&U)"), update_);
    column->addLayout(form);

    connect(previousMonth_, &QPushButton::clicked, this, [this] { StepMonth(-1); });
    connect(nextMonth_, &QPushButton::clicked, this, [this] { StepMonth(1); });
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, &TfrmDateProperty::ShowMonth);
    connect(calendar_, &QCalendarWidget::selectionChanged, this, &TfrmDateProperty::DateChanged);
    for (QSpinBox* spin : {hour_, minute_})
        connect(spin, &QSpinBox::valueChanged, this, &TfrmDateProperty::DateChanged);
    connect(formats_, &QListWidget::currentRowChanged, this, &TfrmDateProperty::FieldsChanged);
    connect(update_, &QComboBox::currentIndexChanged, this, &TfrmDateProperty::FieldsChanged);
    return page;
}

QWidget* TfrmDateProperty::ColorPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    textColor_ = new TColorSpecButton(QStringLiteral("文字の色(&C)"), page);
    outlineColor_ = new TColorSpecButton(QStringLiteral("縁取りの色(&L)"), page);
    shadowColor_ = new TColorSpecButton(QStringLiteral("影の色(&S)"), page);
    for (TColorSpecButton* button : {textColor_, outlineColor_, shadowColor_}) {
        form->addRow(button);
        connect(button, &TColorSpecButton::Changed, this, &TfrmDateProperty::FieldsChanged);
    }
    return page;
}

QWidget* TfrmDateProperty::StylePage(const TPatternFiles& patterns)
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    style_ = new TTextStyleBox(page);
    column->addWidget(style_);
    auto* form = new QFormLayout;
    charSpacing_ = MillimetreSpin(page, -10000, 10000, 1);
    form->addRow(QStringLiteral("文字間隔(&K)"), charSpacing_);
    lineSpacing_ = MillimetreSpin(page, -10000, 10000, 1);
    form->addRow(QStringLiteral("行間隔(&G)"), lineSpacing_);
    numToKanji_ = new QCheckBox(QStringLiteral("数字を漢数字にする(&J)"), page);
    hanToZen_ = new QCheckBox(QStringLiteral("半角文字を全角にする(&Z)"), page);
    minusException_ = new QCheckBox(QStringLiteral("「-」は半角のままにする(&X)"), page);
    for (QCheckBox* box : {numToKanji_, hanToZen_, minusException_})
        form->addRow(box);
    column->addLayout(form);
    distortion_ = new TDistortionBox(patterns, page);
    column->addWidget(distortion_, 1);

    connect(style_, &TTextStyleBox::Changed, this, &TfrmDateProperty::FieldsChanged);
    for (QDoubleSpinBox* spin : {charSpacing_, lineSpacing_})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &TfrmDateProperty::FieldsChanged);
    for (QCheckBox* box : {numToKanji_, hanToZen_, minusException_})
        connect(box, &QCheckBox::toggled, this, &TfrmDateProperty::FieldsChanged);
    // The minus sign is kept half-width only by the half-to-full-width conversion.
    connect(hanToZen_, &QCheckBox::toggled, minusException_, &QCheckBox::setEnabled);
    connect(distortion_, &TDistortionBox::Changed, this, &TfrmDateProperty::FieldsChanged);
    return page;
}

QWidget* TfrmDateProperty::ShadowPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    std::tie(shadowOn_, shadowOff_) =
        OnOffButtons(page, QStringLiteral("影を付ける(&O)"), QStringLiteral("付けない(&N)"));
    shadow_ = new TShadowOffsetBox(page);
    column->addWidget(shadowOn_);
    column->addWidget(shadow_);
    column->addWidget(shadowOff_);
    column->addStretch(1);
    connect(shadowOn_, &QRadioButton::toggled, this, [this](bool on) {
        shadow_->setEnabled(on);
        // Switching the shadow on shows one: down-right unless offsets were set.
        if (on && shadow_->Offset() == TShadowOffset{})
            shadow_->SetOffset(ShadowPreset(kShadowPresetCount - 1));
        FieldsChanged();
    });
    connect(shadow_, &TShadowOffsetBox::Changed, this, &TfrmDateProperty::FieldsChanged);
    return page;
}

QWidget* TfrmDateProperty::OutlinePage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    std::tie(outlineOn_, outlineOff_) =
        OnOffButtons(page, QStringLiteral("縁取りを付ける(&O)"), QStringLiteral("付けない(&F)"));
    form->addRow(outlineOn_);
    // The stored width is half the visible band on each side of the glyph edge.
    outlineWidth_ = MillimetreSpin(page, 0, 100, 1);
    form->addRow(QStringLiteral("縁取りの太さ(&W)"), outlineWidth_);
    form->addRow(outlineOff_);
    connect(outlineOn_, &QRadioButton::toggled, this, [this](bool on) {
        outlineWidth_->setEnabled(on);
        FieldsChanged();
    });
    connect(outlineWidth_, &QDoubleSpinBox::valueChanged, this, &TfrmDateProperty::FieldsChanged);
    return page;
}

void TfrmDateProperty::ReadFields()
{
    const QDateTime date = edited_->Date();
    // A date no document could hold leaves the calendar on today at 0:00.
    if (date.isValid() && date.date() >= kFirstDate && date.date() <= kLastDate) {
        calendar_->setSelectedDate(date.date());
        hour_->setValue(date.time().hour());
        minute_->setValue(date.time().minute());
    }
    ShowMonth();
    const QStringList& formats = OfferedDateFormats();
    const auto match = std::find_if(formats.begin(), formats.end(), [this](const QString& format) {
        return format.compare(sourceFormat_, Qt::CaseInsensitive) == 0;
    });
    formats_->setCurrentRow(match == formats.end() ? 0 : int(match - formats.begin()));
    ShowFormats();
    // A stored format the list does not offer is replaced on OK: the note says so, and why
    // when the format cannot be expanded.
    if (!edited_->FormatExpanded())
        formatNote_->setText(
            QStringLiteral("書式「%1」を展開できません。一覧で選んだ書式に置き換わります。").arg(sourceFormat_));
    else
        formatNote_->setText(
            QStringLiteral("書式「%1」は一覧にありません。一覧で選んだ書式に置き換わります。").arg(sourceFormat_));
    formatNote_->setVisible(match == formats.end() && !sourceFormat_.isEmpty());
    update_->setCurrentIndex(edited_->UpdateFlagValue());

    textColor_->SetSpec(*edited_->TextColor());
    outlineColor_->SetSpec(*edited_->OutlineColor());
    shadowColor_->SetSpec(*edited_->ShadowColor());
    style_->Read(*edited_);
    SetUnits(*charSpacing_, edited_->CharSpacing());
    SetUnits(*lineSpacing_, edited_->LineSpacing());
    numToKanji_->setChecked(edited_->NumToKnj());
    hanToZen_->setChecked(edited_->HanToZen());
    minusException_->setChecked(edited_->MinusExc());
    minusException_->setEnabled(hanToZen_->isChecked());
    distortion_->Read(*edited_);
    const TShadowOffset shadow{edited_->ShadowOffsetX(), edited_->ShadowOffsetY()};
    shadow_->SetOffset(shadow);
    (shadow == TShadowOffset{} ? shadowOff_ : shadowOn_)->setChecked(true);
    shadow_->setEnabled(shadowOn_->isChecked());
    (edited_->Outline() ? outlineOn_ : outlineOff_)->setChecked(true);
    SetUnits(*outlineWidth_, edited_->OutLineWidth());
    outlineWidth_->setEnabled(outlineOn_->isChecked());
    position_->SetRect(edited_->BoundsRect());
    // An auto-sized date takes its size from its text.
    position_->SetSizeEnabled(!edited_->AutoSize());
}

QDateTime TfrmDateProperty::ChosenDate() const
{
    return QDateTime(calendar_->selectedDate(), QTime(hour_->value(), minute_->value()));
}

QString TfrmDateProperty::ChosenFormat() const
{
    const QString format = OfferedDateFormats().value(std::max(formats_->currentRow(), 0));
    // The object's own spelling of the chosen format is kept.
    return format.compare(sourceFormat_, Qt::CaseInsensitive) == 0 ? sourceFormat_ : format;
}

void TfrmDateProperty::StepMonth(int months)
{
    // addMonths keeps the day, or takes the month's last day when it has no such day.
    const QDate date = calendar_->selectedDate().addMonths(months);
    if (!date.isValid() || date < calendar_->minimumDate() || date > calendar_->maximumDate())
        return;
    calendar_->setSelectedDate(date);
}

void TfrmDateProperty::ShowMonth()
{
    month_->setText(QStringLiteral("%1年%2月").arg(calendar_->yearShown()).arg(calendar_->monthShown()));
    // The holidays of the weeks shown (the month with the days around it) in red.
    calendar_->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat holiday;
    holiday.setForeground(Qt::red);
    const QDate first(calendar_->yearShown(), calendar_->monthShown(), 1);
    for (QDate day = first.addDays(-7); day <= first.addDays(first.daysInMonth() + 14); day = day.addDays(1))
        if (IsJapaneseHoliday(day))
            calendar_->setDateTextFormat(day, holiday);
}

void TfrmDateProperty::ShowFormats()
{
    const QDateTime date = ChosenDate();
    const QStringList& formats = OfferedDateFormats();
    for (int row = 0; row < formats.size(); ++row)
        formats_->item(row)->setText(FormatDate(formats[row], date));
}

void TfrmDateProperty::DateChanged()
{
    ShowFormats();
    FieldsChanged();
}

void TfrmDateProperty::FieldsChanged()
{
    if (loading_)
        return;
    TLODate& date = *edited_;
    {
        TUpdateBracket bracket(date.Notifier());
        if (position_->HasSize())
            date.SetBoundsRect(position_->Rect());
        // Turning the writing direction transposes the rectangle; the position follows.
        if (style_->WriteDirection(date))
            position_->SetRect(date.BoundsRect());
        // A date equal to the chosen one to the millisecond stays as stored.
        if (const QDateTime chosen = ChosenDate(); date.Date() != chosen)
            date.SetDate(chosen);
        date.SetFormat(ChosenFormat());
        date.SetUpdateFlagValue(update_->currentIndex());
        style_->WriteFont(date);
        date.SetCharSpacing(UnitsOf(*charSpacing_));
        date.SetLineSpacing(UnitsOf(*lineSpacing_));
        date.SetNumToKnj(numToKanji_->isChecked());
        date.SetHanToZen(hanToZen_->isChecked());
        date.SetMinusExc(minusException_->isChecked());
        distortion_->Write(date);
        date.SetLineColor(textColor_->Spec());
        date.OutlineColor()->Assign(outlineColor_->Spec());
        date.SetShadowColor(shadowColor_->Spec());
        date.SetOutline(outlineOn_->isChecked());
        date.SetOutLineWidth(UnitsOf(*outlineWidth_));
        const TShadowOffset shadow = shadowOn_->isChecked() ? shadow_->Offset() : TShadowOffset{};
        date.SetShadowOffsetX(shadow.X);
        date.SetShadowOffsetY(shadow.Y);
    }
    if (date.AutoSize()) {
        date.ApplyAutoSize();
        position_->SetRect(date.BoundsRect());
    }
    {
        TUpdateBracket bracket(preview_->Notifier());
        preview_->Assign(date);
        preview_->SetAngle(0);
        preview_->SetBulge(0);
        preview_->SetBlendRatio(100);
    }
    previewView_->SetObject(preview_.get());
}

void TfrmDateProperty::WriteBack(TLODate& target) const
{
    // The edited copy is already sized to its text when it auto-sizes.
    TUpdateBracket bracket(target.Notifier());
    target.Assign(*edited_);
}

bool TfrmDateProperty::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
