#pragma once
// The designer's main window: the open label document, its current sheet with the faces
// to choose from, and the file commands.
#include "core/face/face_info.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QActionGroup;
class TCanvas;
class QMimeData;
class QScrollArea;
class TDrawSite;
class TEditActions;
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
    TEditActions& EditActions() const { return *editActions_; }
    // The zoom in percent; 0 while the zoom follows the window (automatic).
    int ZoomMode() const { return zoomMode_; }
    // Sets a fixed zoom, or 0 for automatic.
    void SetZoom(int zoom);
    // The next larger or smaller of the fixed zooms; nothing beyond the ends.
    void Magnify();
    void Reduce();

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
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateActions();
    // The edit and layout menus and the tool bar over the draw site: the edit commands,
    // order, alignment, snapping and zoom.
    void CreateEditActions();
    void ApplyZoom();
    // The face outline, grid and guides over the objects.
    void PaintOverlay(TCanvas& canvas);
    // Files dropped onto the site: a document opens, a picture becomes an image object.
    bool AcceptsDrop(const QMimeData& data) const;
    bool Drop(const QMimeData& data, QPoint logical);
    void UpdateSnapActions();
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
    QScrollArea* scroll_ = nullptr;
    TEditActions* editActions_ = nullptr;
    QAction* snapToGrid_ = nullptr;
    QAction* snapToGuides_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    int editedFace_ = -1;
    TFaceInfo faceInfo_;
    int zoomMode_ = 0;
};
