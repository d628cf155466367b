#pragma once
// "アルバムの追加": where the new album goes and whether it copies the current one. The
// choices are remembered until the program ends.
#include "music/album/album_editor.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

class TfrmAddAlbum : public QDialog {
public:
    explicit TfrmAddAlbum(QWidget* parent = nullptr);

    TAlbumEditor::TAddPosition Position() const;
    bool CopyCurrent() const;
    // Remembers the choices for the next opening.
    void done(int result) override;

private:
    QRadioButton* append_;
    QRadioButton* atCurrent_;
    QRadioButton* first_;
    QCheckBox* copy_;
};
