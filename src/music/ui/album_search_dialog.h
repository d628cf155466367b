#pragma once
// "キーワードの検索": a keyword from the history of earlier keywords, the fuzzy or exact
// mode (remembered until the program ends), and a progress bar over the albums searched.
// A match makes its album current and closes the dialog; no match says so and stays.
#include "music/album/album_editor.h"

#include <QDialog>

class QComboBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

class TfrmAlbumSearch : public QDialog {
public:
    TfrmAlbumSearch(TAlbumEditor& editor, QWidget* parent = nullptr);

    QComboBox* Keyword() const { return keyword_; }
    QPushButton* SearchButton() const { return search_; }
    void SetExact(bool exact);
    const std::optional<TAlbumMatch>& Match() const { return match_; }

    // Runs the search from the album after the current one.
    void Search();

private:
    TAlbumEditor& editor_;
    QComboBox* keyword_;
    QRadioButton* fuzzy_;
    QRadioButton* exact_;
    QProgressBar* progress_;
    QPushButton* search_;
    std::optional<TAlbumMatch> match_;
};
