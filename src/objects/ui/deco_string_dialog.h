#pragma once
// TfrmDecoString: the property dialog of a decorative string ("飾り文字の編集・設定", for a
// new one "飾り文字の追加"): the text, its alignment, the image font (each offered with a
// sample) and the position, edited on an unturned preview copy that OK writes back.
#include <QDialog>
#include <memory>

class QComboBox;
class QLineEdit;
class TImageFontList;
class TImageFontStore;
class TLODecoString;
class TObjectPreview;
class TPositionPage;

// Whether the text holds only characters the dialog takes: "A"-"Z", "a"-"z", "0"-"9", "?",
// "!" and the half-width space.
bool IsDecoStringText(const QString& text);

class TfrmDecoString : public QDialog {
    Q_OBJECT
public:
    // The fonts are the numbered folders below fontFolder. A new string's size comes from
    // its text: its width and height are not edited, and the preview follows the text.
    TfrmDecoString(const TLODecoString& source, bool isNew, const QString& fontFolder, QWidget* parent = nullptr);
    ~TfrmDecoString() override;

    // Writes the text, the chosen font and the alignment; a new string is then fitted to its
    // text, another takes the position page's rectangle.
    void WriteBack(TLODecoString& target) const;
    // Refuses OK, with a message, for an empty text or a character without a glyph.
    void accept() override;

    const TLODecoString& Preview() const { return *copy_; }
    QLineEdit* TextEdit() const { return text_; }
    QComboBox* AlignBox() const { return align_; }
    TImageFontList* FontList() const { return fonts_; }
    TPositionPage* PositionPage() const { return position_; }
    TObjectPreview* PreviewBox() const { return preview_; }

private:
    QWidget* StringPage(const QString& fontFolder);
    // Takes the fields into the preview copy.
    void FieldsEdited();

    bool isNew_;
    std::unique_ptr<TImageFontStore> store_;
    std::unique_ptr<TLODecoString> copy_;
    QLineEdit* text_ = nullptr;
    QComboBox* align_ = nullptr;
    TImageFontList* fonts_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* preview_ = nullptr;
};
