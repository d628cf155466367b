#pragma once
// The font and layout fields of the text property dialogs: the font name and size, bold
// and italic, the writing direction and the alignment, read from a text object and
// written back into one.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QRadioButton;
class TLOTextBase;

class TTextStyleBox : public QWidget {
    Q_OBJECT
public:
    explicit TTextStyleBox(QWidget* parent = nullptr);

    void Read(const TLOTextBase& text);
    // Sets the writing direction; true when it turned (the text transposed its rectangle).
    bool WriteDirection(TLOTextBase& text) const;
    // The font (a size that does not parse keeps the size read) and the alignment.
    void WriteFont(TLOTextBase& text) const;

    QComboBox* FontName() const { return fontName_; }
    QComboBox* FontSize() const { return fontSize_; }
    QCheckBox* Bold() const { return bold_; }
    QCheckBox* Italic() const { return italic_; }
    QRadioButton* Horizontal() const { return horizontal_; }
    QRadioButton* Vertical() const { return vertical_; }
    QComboBox* Align() const { return align_; }

Q_SIGNALS:
    // Any field was edited.
    void Changed();

private:
    QComboBox* fontName_;
    QComboBox* fontSize_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QRadioButton* horizontal_;
    QRadioButton* vertical_;
    QComboBox* align_;
    int readSize_ = 0;
};
