#pragma once
// The designer's main window: the open label document, its current sheet with the faces
// to choose from, and the file commands.
#include <QMainWindow>
#include <memory>

class QAction;
class TDrawSite;
class TEditContext;
class TLabelData;
class TSheetView;
class TdataMain;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(TdataMain& data, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TLabelData* Document() const { return document_.get(); }
    const QString& FileName() const { return fileName_; }
    TSheetView* SheetView() const { return sheetView_; }
    // The draw site on which the chosen face is edited.
    TDrawSite* DrawSite() const { return drawSite_; }
    TEditContext& EditContext() const { return *editContext_; }

    // The first idle moment after start: the named document if it opens (a missing file
    // or one that does not open is reported), else a new document with the default paper.
    void StartFirstDocument(const QString& path);
    // Opens a label document (from the menu, the command line or a later instance). A
    // missing file or one that is not a label document is reported and the open document
    // stays.
    bool OpenDocumentFile(const QString& path);
    // A new document with the default paper, after the save question.
    bool NewDocument();
    // Saves under the document's file name (asking for one when it has none); true when
    // the document is saved.
    bool SaveDocument();
    // Saves under a new name.
    bool SaveDocumentAs(const QString& path);
    // Asks whether to save a modified document: false when the user cancels (or the save
    // fails), true to go on.
    bool QuerySave();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    // The edit menu: undo and redo, the clipboard, selection and order, acting on the draw
    // site.
    void CreateEditActions();
    void ShowDocument(std::unique_ptr<TLabelData> document, const QString& fileName);
    void UpdateTitle();
    // Puts a face's objects on the draw site; the objects of the face edited so far are
    // stored back first.
    void OpenFace(int face);
    // Writes the draw site's objects back into the document's design when they changed.
    void StoreFace();
    QString DialogFilter() const;

    TdataMain& data_;
    std::unique_ptr<TLabelData> document_;
    QString fileName_;
    TSheetView* sheetView_;
    std::unique_ptr<TEditContext> editContext_;
    TDrawSite* drawSite_ = nullptr;
    int editedFace_ = -1;
};
