#pragma once
// The template browser: for the face being edited, the templates of each genre of the
// face's purpose that fit it, as thumbnails; the identifier search of the printed
// manual; and calling the chosen template into the face after asking.
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
class TImageIDList;
class TLabelData;

class TTemplateBrowser : public QDialog {
    Q_OBJECT
public:
    // Browses the catalogue at cataloguePath (Template.dat; its ".ids" beside it) for face
    // of the document.
    TTemplateBrowser(const QString& cataloguePath, TLabelData& document, int face, QWidget* parent = nullptr);
    ~TTemplateBrowser() override;

    QComboBox* GenreBox() const { return genres_; }
    QListWidget* TemplateView() const { return view_; }
    QLineEdit* IdEdit() const { return idEdit_; }
    QPushButton* SearchButton() const { return search_; }
    QLabel* WarningLabel() const { return warning_; }
    const TTemplateList& Templates() const { return list_; }

    // Shows genre k's fitting templates.
    void ShowGenre(int genre);
    // Finds the template of the identifier in the field and selects it; tells the user
    // when it is not listed or does not fit the face.
    void SearchId();
    // Asks, then calls the selected template into the face; true when it was applied.
    bool ApplySelected();

private:
    TTemplateGroup group_;
    std::unique_ptr<TImageIDList> ids_;
    TLabelData& document_;
    int face_;
    TFaceInfo faceInfo_;
    TTemplateList list_;
    QComboBox* genres_;
    QListWidget* view_;
    QLineEdit* idEdit_;
    QPushButton* search_;
    QLabel* warning_;
};
