#pragma once
// The distortion fields of the text property dialogs: "文字を変形する(&D)", the list of the
// distortion patterns and the strength in percent. Without a selected pattern the object
// keeps the distortion it had, so that one of its own survives switching distortion off
// and on again. A missing or damaged pattern file leaves the list empty and shows why.
#include <QString>
#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QSpinBox;
class TCoonsDistortion;
class TLOTextBase;
class TPatternPicker;

// The distortion pattern file and its thumbnail strip.
struct TPatternFiles {
    QString PatternFile;
    QString StripFile;
};
// The shipped pattern file (as the application's macros name it, when they are installed)
// and its thumbnail strip.
TPatternFiles ShippedPatternFiles();

class TDistortionBox : public QWidget {
    Q_OBJECT
public:
    explicit TDistortionBox(const TPatternFiles& files, QWidget* parent = nullptr);
    ~TDistortionBox() override;

    void Read(const TLOTextBase& text);
    // The chosen distortion and its strength into the text.
    void Write(TLOTextBase& text) const;

    QCheckBox* Distorted() const { return distorted_; }
    TPatternPicker* Patterns() const { return patterns_; }
    QLabel* Message() const { return message_; }
    QSpinBox* Ratio() const { return ratio_; }

Q_SIGNALS:
    void Changed();

private:
    // The distortion as the check box and the pattern list choose it.
    void ChoiceChanged();
    void ShowFileError();

    QCheckBox* distorted_;
    TPatternPicker* patterns_;
    QLabel* message_;
    QSpinBox* ratio_;
    // The object's own distortion, and the one chosen.
    std::unique_ptr<TCoonsDistortion> own_;
    std::unique_ptr<TCoonsDistortion> chosen_;
    bool reading_ = false;
};
