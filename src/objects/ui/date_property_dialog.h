#pragma once
// TfrmDateProperty: the property dialog of date objects ("日付オブジェクトの設定", or
// "日付オブジェクトの追加" for a new one). The "日付" page picks the date on a month
// calendar, the hour and minute, the format (each offered format shown applied to the
// date) and when the document renews the date; the other pages edit the colours, the font
// and distortion, the shadow, the outline and the position. It edits a copy shown in a
// preview (unrotated, unbent, unblended) and writes it back when the user confirms.
#include "objects/ui/distortion_box.h"

#include <QDateTime>
#include <QDialog>
#include <memory>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TColorSpecButton;
class TLODate;
class TObjectPreview;
class TPositionPage;
class TShadowOffsetBox;
class TTextStyleBox;

class TfrmDateProperty : public QDialog {
    Q_OBJECT
public:
    // isNew: the object is being created (not on a site yet).
    TfrmDateProperty(const TLODate& source, bool isNew, const TPatternFiles& patterns, QWidget* parent = nullptr);
    ~TfrmDateProperty() override;

    // The dialog's values written into the object (the caller brackets the change).
    void WriteBack(TLODate& target) const;
    const TLODate& Edited() const { return *edited_; }
    const TLODate& Preview() const { return *preview_; }

    QTabWidget* Pages() const { return pages_; }
    QCalendarWidget* Calendar() const { return calendar_; }
    QPushButton* PreviousMonthButton() const { return previousMonth_; }
    QPushButton* NextMonthButton() const { return nextMonth_; }
    QLabel* MonthLabel() const { return month_; }
    QSpinBox* HourField() const { return hour_; }
    QSpinBox* MinuteField() const { return minute_; }
    QListWidget* FormatList() const { return formats_; }
    QLabel* FormatNote() const { return formatNote_; }
    QComboBox* UpdateField() const { return update_; }
    TColorSpecButton* TextColorField() const { return textColor_; }
    TColorSpecButton* OutlineColorField() const { return outlineColor_; }
    TColorSpecButton* ShadowColorField() const { return shadowColor_; }
    TTextStyleBox* StyleFields() const { return style_; }
    QDoubleSpinBox* CharSpacingField() const { return charSpacing_; }
    QDoubleSpinBox* LineSpacingField() const { return lineSpacing_; }
    QCheckBox* NumToKanjiField() const { return numToKanji_; }
    QCheckBox* HanToZenField() const { return hanToZen_; }
    QCheckBox* MinusExceptionField() const { return minusException_; }
    TDistortionBox* DistortionFields() const { return distortion_; }
    QRadioButton* ShadowOnField() const { return shadowOn_; }
    QRadioButton* ShadowOffField() const { return shadowOff_; }
    TShadowOffsetBox* ShadowOffsetFields() const { return shadow_; }
    QRadioButton* OutlineOnField() const { return outlineOn_; }
    QRadioButton* OutlineOffField() const { return outlineOff_; }
    QDoubleSpinBox* OutlineWidthField() const { return outlineWidth_; }
    TPositionPage* PositionPage() const { return position_; }

protected:
    // Return on the calendar presses OK, as everywhere else in the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* DatePage();
    QWidget* ColorPage();
    QWidget* StylePage(const TPatternFiles& patterns);
    QWidget* ShadowPage();
    QWidget* OutlinePage();
    void ReadFields();
    // One month back or forward, keeping the day where the month has it.
    void StepMonth(int months);
    void ShowMonth();
    // Each offered format applied to the chosen date.
    void ShowFormats();
    // The calendar, the hour or the minute changed.
    void DateChanged();
    // The calendar's date at the hour and minute chosen, seconds 0.
    QDateTime ChosenDate() const;
    // The format chosen in the list.
    QString ChosenFormat() const;
    // The fields into the edited copy, and the copy into the preview.
    void FieldsChanged();

    std::unique_ptr<TLODate> edited_;
    std::unique_ptr<TLODate> preview_;
    QString sourceFormat_;
    bool loading_ = true;
    QTabWidget* pages_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QPushButton* previousMonth_ = nullptr;
    QPushButton* nextMonth_ = nullptr;
    QLabel* month_ = nullptr;
    QSpinBox* hour_ = nullptr;
    QSpinBox* minute_ = nullptr;
    QListWidget* formats_ = nullptr;
    QLabel* formatNote_ = nullptr;
    QComboBox* update_ = nullptr;
    TColorSpecButton* textColor_ = nullptr;
    TColorSpecButton* outlineColor_ = nullptr;
    TColorSpecButton* shadowColor_ = nullptr;
    TTextStyleBox* style_ = nullptr;
    QDoubleSpinBox* charSpacing_ = nullptr;
    QDoubleSpinBox* lineSpacing_ = nullptr;
    QCheckBox* numToKanji_ = nullptr;
    QCheckBox* hanToZen_ = nullptr;
    QCheckBox* minusException_ = nullptr;
    TDistortionBox* distortion_ = nullptr;
    QRadioButton* shadowOn_ = nullptr;
    QRadioButton* shadowOff_ = nullptr;
    TShadowOffsetBox* shadow_ = nullptr;
    QRadioButton* outlineOn_ = nullptr;
    QRadioButton* outlineOff_ = nullptr;
    QDoubleSpinBox* outlineWidth_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* previewView_ = nullptr;
};
