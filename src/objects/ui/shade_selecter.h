#pragma once
// TfrmShadeSelecter ("シェード図形の選択"): the shade gallery. Genres from the shade list,
// thumbnails in four sizes, a search by identifier and the soft-edge choice; OK hands back
// the picture file the chosen entry loads.
#include "objects/pictures/shade_list.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class TImageIDList;

class TfrmShadeSelecter : public QDialog {
    Q_OBJECT
public:
    // The shade list and identifier list files, already located (empty for none).
    TfrmShadeSelecter(const QString& listPath, const QString& idsPath, QWidget* parent = nullptr);
    ~TfrmShadeSelecter() override;

    int GenreCount() const { return int(genres_.size()); }
    void SelectGenre(int genre);
    void SelectEntry(int entry);
    // The picture file of the chosen entry, or empty.
    QString SelectedPicturePath() const;
    // Jumps to the entry of an identifier; reports "「%s」は見つかりませんでした" when none lists it.
    bool SearchId(const QString& id);

private:
    void ShowGenre();

    std::vector<TShadeGenre> genres_;
    std::unique_ptr<TImageIDList> ids_;
    QComboBox* genre_;
    QComboBox* size_;
    QListWidget* list_;
    QLineEdit* id_;
    QCheckBox* softEdge_;
};
