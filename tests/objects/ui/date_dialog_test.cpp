// The date dialog: its caption and first page for new and existing objects, the format
// list's choice, the month steps, the preview copy, OK as one undoable change, Cancel as
// none, an untouched dialog writing back the same bytes, a broken format flagged, and the
// creation command making a date object through it.
#include "creation_site.h"
#include "core/persistent/string_list.h"
#include "core/stream/component_stream.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "graphics/color/color_fill.h"
#include "objects/dates/date_format.h"
#include "objects/dates/date_object.h"
#include "objects/object_classes.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/creator_designer.h"
#include "objects/ui/date_designer.h"
#include "objects/ui/date_property_dialog.h"
#include "objects/ui/shadow_offset_box.h"
#include "objects/ui/text_designers.h"
#include "objects/ui/text_style_box.h"
#include "text/point_based_font.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QTimer>
#include <cmath>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2005, 1, 2), QTime(15, 4));
const QString kIsoFormat = QStringLiteral(R"(yyyy"-"mm"-"dd)");
constexpr int kIsoRow = 27;

const TPatternFiles kPatterns{QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.cdd"),
                              QStringLiteral(LUMAREST_BINARY_DIR "/data/TransformPattern.bmp")};

class DateDialog : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Local dates are stored as day numbers; a fixed zone keeps the conversions fixed.
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        RegisterLabelObjectClasses();
    }
};

std::unique_ptr<TLODate> Sample(const QString& format = kIsoFormat, const QDateTime& when = kWhen)
{
    auto date = std::make_unique<TLODate>();
    date->SetBoundsRect({100, 100, 700, 300});
    date->TextFont()->SetName(QStringLiteral("IPAGothic"));
    date->TextFont()->SetSize(30);
    date->SetFormat(format);
    date->SetDate(when);
    return date;
}

// Runs the double-click edit of the object, letting act handle the date dialog once it
// shows; true when the edit was confirmed.
bool EditByDoubleClick(TLabelObject& object, const std::function<void(TfrmDateProperty&)>& act)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<TfrmDateProperty*>(QApplication::activeModalWidget())) {
            shown = true;
            act(*dialog);
        } else if (QWidget* other = QApplication::activeModalWidget()) {
            other->close();
        }
    });
    const bool confirmed = object.Edit();
    EXPECT_TRUE(shown) << "the date dialog did not open";
    return confirmed;
}

// Sends a key press to the widget, as typed.
void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

} // namespace

TEST_F(DateDialog, ANewObjectIsAddedOnTheFirstPageAnExistingOneOnThePageLastShown)
{
    auto date = Sample();
    {
        TfrmDateProperty dialog(*date, false, kPatterns);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("日付オブジェクトの設定"));
        const QStringList pages = {"日付", "文字色", "変形", "影", "縁取り", "位置"};
        ASSERT_EQ(dialog.Pages()->count(), pages.size());
        for (int page = 0; page < pages.size(); ++page)
            EXPECT_EQ(dialog.Pages()->tabText(page), pages[page]);
        dialog.Pages()->setCurrentIndex(4);
    }
    {
        TfrmDateProperty dialog(*date, false, kPatterns);
        EXPECT_EQ(dialog.Pages()->currentIndex(), 4);
    }
    TfrmDateProperty dialog(*date, true, kPatterns);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("日付オブジェクトの追加"));
    EXPECT_EQ(dialog.Pages()->currentIndex(), 0);
}

TEST_F(DateDialog, TheFormatListShowsEveryFormatOnTheDateAndSelectsTheObjectsFormat)
{
    const struct {
        QString format;
        int row;
    } cases[] = {
        {kIsoFormat, kIsoRow},
        {QStringLiteral(R"(YYYY"-"MM"-"DD)"), kIsoRow}, // compared without regard to case
        {QStringLiteral(R"(d"/"mm"/"yy)"), 40},
        {QString(), 0},                  // a new object's empty format
        {QStringLiteral("yyyy"), 0},     // a format the list does not offer
        {QStringLiteral("$(Undefined) d"), 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.format.toStdString());
        auto date = Sample(test.format);
        TfrmDateProperty dialog(*date, false, kPatterns);
        ASSERT_EQ(dialog.FormatList()->count(), 41);
        EXPECT_EQ(dialog.FormatList()->currentRow(), test.row);
        EXPECT_EQ(dialog.FormatList()->item(0)->text(), QStringLiteral("1月2日"));
        EXPECT_EQ(dialog.FormatList()->item(16)->text(), QStringLiteral("2005/1/2 3:04 PM"));
        EXPECT_EQ(dialog.FormatList()->item(kIsoRow)->text(), QStringLiteral("2005-01-02"));
        EXPECT_EQ(dialog.FormatList()->item(40)->text(), QStringLiteral("2/01/05"));
    }
}

TEST_F(DateDialog, MonthStepsKeepTheDayOrTakeTheMonthsLastDay)
{
    const struct {
        QDate from;
        int step;
        QDate to;
        const char* shown;
    } cases[] = {
        {{2023, 1, 31}, 1, {2023, 2, 28}, "2023年2月"},
        {{2024, 1, 31}, 1, {2024, 2, 29}, "2024年2月"},
        {{2024, 3, 31}, -1, {2024, 2, 29}, "2024年2月"},
        {{2023, 8, 31}, 1, {2023, 9, 30}, "2023年9月"},
        {{2004, 12, 15}, 1, {2005, 1, 15}, "2005年1月"},
        {{2005, 1, 15}, -1, {2004, 12, 15}, "2004年12月"},
        {{9999, 12, 15}, 1, {9999, 12, 15}, "9999年12月"}, // beyond the last date: ignored
        {{100, 1, 15}, -1, {100, 1, 15}, "100年1月"},       // before the first date: ignored
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.from.toString(Qt::ISODate).toStdString());
        auto date = Sample(kIsoFormat, QDateTime(test.from, QTime(9, 30)));
        TfrmDateProperty dialog(*date, false, kPatterns);
        EXPECT_EQ(dialog.Calendar()->selectedDate(), test.from);
        (test.step < 0 ? dialog.PreviousMonthButton() : dialog.NextMonthButton())->click();
        EXPECT_EQ(dialog.Calendar()->selectedDate(), test.to);
        EXPECT_EQ(dialog.MonthLabel()->text(), QString::fromUtf8(test.shown));
        EXPECT_EQ(dialog.Preview().Date(), QDateTime(test.to, QTime(9, 30)));
        EXPECT_EQ(dialog.FormatList()->item(kIsoRow)->text(), test.to.toString(QStringLiteral("yyyy-MM-dd")));
    }
}

TEST_F(DateDialog, TheCalendarMarksTheHolidaysOfTheMonthShownInRed)
{
    auto date = Sample();
    TfrmDateProperty dialog(*date, false, kPatterns);
    const auto red = [&](QDate day) { return dialog.Calendar()->dateTextFormat(day).foreground().color() == Qt::red; };
    EXPECT_TRUE(red(QDate(2005, 1, 1)));
    EXPECT_TRUE(red(QDate(2005, 1, 10)));
    EXPECT_FALSE(red(QDate(2005, 1, 4)));
    dialog.NextMonthButton()->click();
    EXPECT_TRUE(red(QDate(2005, 2, 11)));
    EXPECT_FALSE(red(QDate(2005, 1, 1))); // marks of a month no longer shown are cleared
}

TEST_F(DateDialog, ThePreviewIsAnUnrotatedUnblendedCopyFollowingEveryChange)
{
    auto date = Sample();
    date->SetAngle(30);
    date->SetBlendRatio(40);
    date->SetAutoSize(true);
    TfrmDateProperty dialog(*date, false, kPatterns);
    const TLODate& preview = dialog.Preview();
    EXPECT_EQ(preview.Angle(), 0);
    EXPECT_EQ(preview.BlendRatio(), 100);
    EXPECT_EQ(preview.Text()->Lines(), QStringList{"2005-01-02"});
    const int narrow = RectWidth(preview.BoundsRect());

    dialog.HourField()->setValue(8);
    dialog.MinuteField()->setValue(5);
    dialog.Calendar()->setSelectedDate(QDate(2006, 7, 9));
    dialog.FormatList()->setCurrentRow(15);
    EXPECT_EQ(preview.Format(), OfferedDateFormats()[15]);
    EXPECT_EQ(preview.Date(), QDateTime(QDate(2006, 7, 9), QTime(8, 5)));
    EXPECT_EQ(preview.Text()->Lines(), QStringList{"2006/7/9 08:05"});
    // Auto-sized: the copy grows with its longer text.
    EXPECT_GT(RectWidth(preview.BoundsRect()), narrow);
    EXPECT_EQ(preview.Angle(), 0);
    EXPECT_EQ(dialog.Edited().Angle(), 30);
}

TEST_F(DateDialog, OkOnADoubleClickWritesTheValuesAsOneUndoableChange)
{
    TEditContext context;
    RegisterDateDesigner(context.Designers());
    // Registered later, so asked first: the text dialog must not take the date.
    RegisterTextDesigners(context.Designers());
    TEditSite site(context);
    auto* date = static_cast<TLODate*>(site.AddObject(Sample(kIsoFormat, kWhen.addSecs(37))));
    const QByteArray before = ComponentBytes(*date);
    ASSERT_TRUE(EditByDoubleClick(*date, [](TfrmDateProperty& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("日付オブジェクトの設定"));
        dialog.Calendar()->setSelectedDate(QDate(2010, 5, 6));
        dialog.HourField()->setValue(7);
        dialog.FormatList()->setCurrentRow(12);
        dialog.UpdateField()->setCurrentIndex(2);
        dialog.TextColorField()->SetSolidColor(0x0000FF);
        dialog.ShadowColorField()->SetSolidColor(0x00FF00);
        dialog.StyleFields()->FontSize()->setCurrentText(QStringLiteral("18"));
        dialog.StyleFields()->Align()->setCurrentIndex(2);
        dialog.CharSpacingField()->setValue(1.5);
        dialog.HanToZenField()->setChecked(true);
        dialog.OutlineOnField()->setChecked(true);
        dialog.OutlineWidthField()->setValue(0.4);
        dialog.ShadowOnField()->setChecked(true);
        dialog.ShadowOffsetFields()->Preset()->setCurrentIndex(3);
        Q_EMIT dialog.ShadowOffsetFields()->Preset()->activated(3);
        dialog.accept();
    }));
    EXPECT_EQ(date->Date(), QDateTime(QDate(2010, 5, 6), QTime(7, 4)));
    EXPECT_EQ(date->Format(), OfferedDateFormats()[12]);
    EXPECT_EQ(date->Text()->Lines(), QStringList{"2010/5/6"});
    EXPECT_EQ(date->UpdateFlag(), TDateUpdateFlag::dufPrint);
    EXPECT_EQ(date->TextColor()->Color(), TColor(0x0000FF));
    EXPECT_EQ(date->ShadowColor()->Color(), TColor(0x00FF00));
    EXPECT_EQ(date->Font().Size(), 18);
    EXPECT_EQ(date->Align(), 2);
    EXPECT_EQ(date->CharSpacing(), 15);
    EXPECT_TRUE(date->HanToZen());
    EXPECT_TRUE(date->Outline());
    EXPECT_EQ(date->OutLineWidth(), 4);
    EXPECT_EQ(date->Shadow(), 3);

    ASSERT_TRUE(context.Actions().CanUndo());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_EQ(ComponentBytes(*date), before);
    EXPECT_FALSE(context.Actions().CanUndo()); // exactly one step
}

TEST_F(DateDialog, CancelAndEscapeLeaveTheObjectAndTheUndoListAsTheyWere)
{
    TEditContext context;
    RegisterDateDesigner(context.Designers());
    TEditSite site(context);
    auto* date = static_cast<TLODate*>(site.AddObject(Sample()));
    const QByteArray before = ComponentBytes(*date);
    for (const bool escape : {false, true}) {
        EXPECT_FALSE(EditByDoubleClick(*date, [escape](TfrmDateProperty& dialog) {
            dialog.FormatList()->setCurrentRow(3);
            dialog.NextMonthButton()->click();
            dialog.ShadowOnField()->setChecked(true);
            if (escape)
                Press(dialog.Calendar()->findChild<QAbstractItemView*>(), Qt::Key_Escape);
            else
                dialog.reject();
        }));
        EXPECT_EQ(ComponentBytes(*date), before);
        EXPECT_FALSE(context.Actions().CanUndo());
    }
}

TEST_F(DateDialog, ReturnPressesOkOnTheCalendarTheListsAndTheFields)
{
    auto date = Sample();
    const std::function<QWidget*(TfrmDateProperty&)> targets[] = {
        [](TfrmDateProperty& dialog) { return dialog.Calendar()->findChild<QAbstractItemView*>(); },
        [](TfrmDateProperty& dialog) { return dialog.FormatList(); },
        [](TfrmDateProperty& dialog) { return dialog.HourField(); },
        [](TfrmDateProperty& dialog) { return dialog.NextMonthButton(); },
    };
    for (const auto& target : targets) {
        TfrmDateProperty dialog(*date, false, kPatterns);
        dialog.show();
        QWidget* widget = target(dialog);
        ASSERT_NE(widget, nullptr);
        const QDate shown = dialog.Calendar()->selectedDate();
        Press(widget, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << widget->metaObject()->className();
        EXPECT_EQ(dialog.Calendar()->selectedDate(), shown); // no month button was pressed
    }
}

TEST_F(DateDialog, AnUntouchedDialogWritesBackTheSameBytes)
{
    auto shadowed = Sample(QStringLiteral(R"(YYYY"/"M"/"D)"));
    shadowed->SetShadowOffsetX(5);
    shadowed->SetShadowOffsetY(-4);
    shadowed->SetOutline(true);
    shadowed->SetOutLineWidth(3);
    auto styled = Sample(OfferedDateFormats()[5], kWhen);
    styled->SetUpdateFlag(TDateUpdateFlag::dufSave);
    styled->SetVertical(true);
    styled->SetCharSpacing(-7);
    styled->SetNumToKnj(true);
    styled->SetAngle(45);
    styled->SetBlendRatio(60);
    auto fitted = Sample();
    fitted->SetAutoSize(true);
    fitted->ApplyAutoSize();
    for (TLODate* date : {shadowed.get(), styled.get(), fitted.get()}) {
        SCOPED_TRACE(date->Format().toStdString());
        const QByteArray before = ComponentBytes(*date);
        TfrmDateProperty dialog(*date, false, kPatterns);
        dialog.WriteBack(*date);
        EXPECT_EQ(ComponentBytes(*date), before);
    }
}

TEST_F(DateDialog, AFormatTheListLacksIsFlaggedAndOkReplacesItWithTheChosenOne)
{
    const struct {
        QString format;
        bool flagged;
        const char* says;
    } cases[] = {
        {kIsoFormat, false, ""},
        {QStringLiteral(R"(YYYY"-"MM"-"DD)"), false, ""},
        {QString(), false, ""}, // a new object's empty format is simply given the first
        {QStringLiteral("$(Undefined) d"), true, "展開できません"},
        {QStringLiteral("yyyy"), true, "一覧にありません"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.format.toStdString());
        auto date = Sample(test.format);
        TfrmDateProperty dialog(*date, false, kPatterns);
        EXPECT_EQ(dialog.FormatNote()->isHidden(), !test.flagged);
        if (!test.flagged)
            continue;
        EXPECT_TRUE(dialog.FormatNote()->text().contains(test.format));
        EXPECT_TRUE(dialog.FormatNote()->text().contains(QString::fromUtf8(test.says)));
        dialog.WriteBack(*date);
        EXPECT_EQ(date->Format(), OfferedDateFormats()[0]);
        EXPECT_TRUE(date->FormatExpanded());
        EXPECT_EQ(date->Text()->Lines(), QStringList{"1月2日"});
    }
}

TEST_F(DateDialog, ADateNoDocumentCouldHoldOpensOnTodayAndWritesAValidDate)
{
    for (const double value : {std::nan(""), 1e12, -1e12}) {
        SCOPED_TRACE(value);
        auto date = Sample();
        date->SetDateValue(value);
        TfrmDateProperty dialog(*date, false, kPatterns);
        EXPECT_EQ(dialog.Calendar()->selectedDate(), QDate::currentDate());
        dialog.WriteBack(*date);
        EXPECT_EQ(date->Date(), QDateTime(QDate::currentDate(), QTime(0, 0)));
    }
}

TEST_F(DateDialog, TheCreationCommandAddsADateObjectThroughTheDialogInOneStep)
{
    TEditContext context;
    RegisterCreatorDesigner(context.Designers());
    RegisterTextDesigners(context.Designers());
    RegisterDateDesigner(context.Designers());
    TEditSite site(context);
    SetUpCreationSite(site);
    const QByteArray empty = ComponentBytes(site);

    for (const bool confirm : {false, true}) {
        SCOPED_TRACE(confirm);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TfrmDateProperty*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            shown = true;
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("日付オブジェクトの追加"));
            EXPECT_EQ(dialog->Pages()->currentIndex(), 0);
            dialog->FormatList()->setCurrentRow(8);
            confirm ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(context.Designers().CreateObject(site, QStringLiteral("TLODate")), confirm);
        EXPECT_TRUE(shown);
        EXPECT_EQ(site.ObjectCount(), confirm ? 1 : 0);
        EXPECT_EQ(context.Actions().Count(), confirm ? 1 : 0);
    }
    auto* date = dynamic_cast<TLODate*>(site.Object(0));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->Format(), OfferedDateFormats()[8]);
    EXPECT_LE(std::abs(date->Date().secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(date->Date().time().second(), 0);
    EXPECT_TRUE(date->AutoSize());
    EXPECT_EQ(date->ShadowColor()->Color(), TColor(0x808080));
    EXPECT_TRUE(date->Selected());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("追加"));
    context.Actions().Undo();
    EXPECT_EQ(ComponentBytes(site), empty);
}
