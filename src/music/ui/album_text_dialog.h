#pragma once
// "アルバム情報の選択": which lines and fields of the album go onto the label, with which
// separator and in which order, with a live preview of the lines.
#include "music/album/album_text.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class TAlbumInfo;

class TfrmAlbumText : public QDialog {
public:
    TfrmAlbumText(const TAlbumInfo& album, const TASOptRec& options = {}, QWidget* parent = nullptr);

    TASOptRec Options() const;
    // The album's lines with the chosen options.
    QStringList Lines() const;
    QPlainTextEdit* Preview() const { return preview_; }
    QCheckBox* Flag(int bit) const { return flags_[static_cast<std::size_t>(bit)]; }
    QComboBox* Separator() const { return separator_; }
    QComboBox* Order() const { return order_; }

private:
    void Refresh();

    const TAlbumInfo& album_;
    std::array<QCheckBox*, 7> flags_{};
    QComboBox* separator_;
    QComboBox* order_;
    QPlainTextEdit* preview_;
};
