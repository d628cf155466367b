#pragma once
// The template browser: for the face being edited, the templates of each genre of the
// face's purpose that fit it, as thumbnails of a chosen size; the user's favourites that
// fit it, with buttons that add the chosen template to them and delete one from them; the
// identifier search of the printed manual; and calling the chosen template into the face
// after asking.
#include "assets/templates/template_group.h"
#include "assets/templates/template_list.h"
#include "core/face/face_info.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class TImageIDList;
class TLabelData;

class TTemplateBrowser : public QDialog {
    Q_OBJECT
public:
    // The two views of the tab bar.
    enum TView { vwGenres = 0, vwFavorites = 1 };
    // The thumbnail sizes offered, in pixels; the first is the default.
    static constexpr int kThumbnailSizes[] = {50, 100, 150, 200};

    // Browses the catalogue at cataloguePath (Template.dat; its ".ids" beside it) for face
    // of the document. Favourites are kept in the user's favourites file, named relative
    // to the catalogue's folder where they lie below it; without such a file there are
    // none and the favourite buttons stay disabled.
    TTemplateBrowser(const QString& cataloguePath, TLabelData& document, int face, QWidget* parent = nullptr);
    ~TTemplateBrowser() override;

    QTabBar* ViewTabs() const { return tabs_; }
    QComboBox* GenreBox() const { return genres_; }
    QListWidget* TemplateView() const { return view_; }
    QLineEdit* IdEdit() const { return idEdit_; }
    QPushButton* SearchButton() const { return search_; }
    QPushButton* AddFavoriteButton() const { return addFavorite_; }
    QPushButton* DeleteFavoriteButton() const { return deleteFavorite_; }
    QComboBox* ThumbnailSizeBox() const { return sizes_; }
    QLabel* WarningLabel() const { return warning_; }
    const TTemplateList& Templates() const { return list_; }
    const TTemplateList& Favorites() const { return favorites_; }

    // Shows genre k's fitting templates.
    void ShowGenre(int genre);
    // Shows the favourites that fit the face, read anew from the file.
    void ShowFavorites();
    // Adds the template selected in a genre to the favourites and tells the user whether it
    // was new.
    void AddSelectedToFavorites();
    // Removes the favourite selected in the favourites view.
    void DeleteSelectedFavorite();
    // Finds the template of the identifier in the field and selects it; tells the user
    // when it is not listed or does not fit the face.
    void SearchId();
    // Asks, then calls the selected template into the face; true when it was applied.
    bool ApplySelected();
    // OK (or a double-click) closes the browser once the chosen template is in the face.
    void accept() override;

private:
    // The list the view shows: the genre's templates or the favourites.
    const TTemplateList& ShownList() const;
    bool ShowingFavorites() const;
    void ShowView(int view);
    // Shows the thumbnails at size k of kThumbnailSizes, the size kept for the run.
    void SetThumbnailSize(int index);
    void FillView(const TTemplateList& list);
    void UpdateState();

    TTemplateGroup group_;
    std::unique_ptr<TImageIDList> ids_;
    TLabelData& document_;
    int face_;
    TFaceInfo faceInfo_;
    TTemplateList list_;
    TTemplateList favorites_;
    QString favoritesFile_;
    QTabBar* tabs_;
    QComboBox* genres_;
    QListWidget* view_;
    QLineEdit* idEdit_;
    QPushButton* search_;
    QPushButton* addFavorite_;
    QPushButton* deleteFavorite_;
    QComboBox* sizes_;
    QLabel* warning_;
};
