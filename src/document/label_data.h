#pragma once
// TLabelData: a label document. It holds one or more sheets, each a paper with a design
// per face (or one design shared by all faces), the sheet's settings, the paper's extra
// information and pattern images, previews, and the document's product and creator
// information and dates. All of it lives in a temporary compound file while the document
// is open; saving copies that file to the document's path. The document, its sheets and
// papers are in label_data.cpp, the designs and previews of its faces in label_designs.cpp.
#include "catalogue/product/product_info.h"
#include "document/grid.h"

#include <QDateTime>
#include <QImage>
#include <map>
#include <memory>
#include <set>
#include <vector>

class QIODevice;
class TDocStorage;
class TDocStorageList;
class TDocNameList;
class TDocStream;
class TDrawObject;
class TExPaperInfo;
class TImagePaperInfo;
class TPaperInfo;
class TTemporaryStorage;

class TLabelData : public TComponent {
    LR_CLASS(TLabelData, TComponent)
public:
    // A new document: one sheet "新規シート1" without a paper, each face designed
    // separately, grid size 50, product information from the product database (when
    // there is one); not modified.
    TLabelData();
    ~TLabelData() override;

    // --- published sheet settings ---------------------------------------------------------
    TGuide* Guide() { return guide_.get(); }
    const TGuide* Guide() const { return guide_.get(); }
    TGrid* Grid() { return grid_.get(); }
    const TGrid* Grid() const { return grid_.get(); }
    int CurrentLabelNo() const { return currentLabelNo_; }
    void SetCurrentLabelNo(int face) { currentLabelNo_ = face; }
    bool SeparatelyDesign() const { return separatelyDesign_; }
    void SetSeparatelyDesign(bool separately);
    QString SheetName() const { return sheetName_; }
    void SetSheetName(const QString& name);

    // --- document -----------------------------------------------------------------------
    // Reads a document file. On any failure the document (its working copy included) is
    // unchanged and the error is raised.
    void LoadFromFile(const QString& path);
    // Stores the current sheet's settings, compresses the designs and renders the previews
    // of the faces changed since the last load or save, and copies the working file to the
    // path atomically. The file is the same as if every face had been built again.
    void SaveToFile(const QString& path);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    QString DataName() const { return dataName_; }
    void SetDataName(const QString& name) { dataName_ = name; }
    QDateTime LastPrint() const { return lastPrint_; }
    void SetLastPrint(const QDateTime& time) { lastPrint_ = time; }
    QDateTime LastSave() const { return lastSave_; }
    void SetLastSave(const QDateTime& time) { lastSave_ = time; }
    QDateTime OpenTime() const { return openTime_; }
    bool SheetMode() const { return sheetMode_; }
    void SetSheetMode(bool sheetMode) { sheetMode_ = sheetMode; }
    TProductInfo& ProductInfo() const { return *product_; }
    TProductInfo& CreatorInfoE() const { return *creatorE_; }
    TProductInfo& CreatorInfoJ() const { return *creatorJ_; }

    // --- sheets -------------------------------------------------------------------------
    int SheetCount() const;
    int CurrentSheet() const { return currentSheet_; }
    void SetCurrentSheet(int sheet);
    // Adds a sheet named by the first of pattern %1, %2, ... that no sheet uses, and makes
    // it current.
    void AddSheet(const QString& pattern);
    void NewSheet();
    // A copy of the current sheet, named "<name>のコピー<n>".
    void DuplicateSheet();
    void DeleteSheet(int sheet);
    // Moves the current sheet to position sheet.
    void MoveSheet(int sheet);
    QStringList SheetNames();

    // --- paper of the current sheet ---------------------------------------------------------
    const TPaperInfo* Paper() const { return paper_.get(); }
    // A copy of the paper; designs of faces the paper no longer has are deleted.
    void SetPaper(const TPaperInfo& paper);
    // SetPaper, and every preview is deleted.
    void ChangePaper(const TPaperInfo& paper);
    // The paper used for layout and printing.
    const TPaperInfo* EffectivePaper();
    const TExPaperInfo& ExtraInfo() const { return *extraInfo_; }
    // A copy, or the empty record for nullptr.
    void SetExtraInfo(const TExPaperInfo* info);
    const TImagePaperInfo& ImageInfo() const { return *imageInfo_; }
    void SetImageInfo(const TImagePaperInfo* info);
    // The face description of face a of the current paper and its design area (the outer
    // rectangle moved to the origin).
    TRect FaceArea(int face) const;

    // --- designs (face a; every face is face 0 when the faces share one design) -----------
    // The design stream of face a. With create the stream is made (empty); otherwise it is
    // opened when it exists (nullptr when not), and with expand a compressed design comes
    // back inflated in memory.
    std::unique_ptr<QIODevice> DesignStream(int face, bool create, bool expand);
    bool HasDesign(int face);
    // The face's objects, back-most first, with the document's dates and face handed to
    // them and moved inside the face.
    std::vector<std::unique_ptr<TDrawObject>> LoadObjects(int face);
    // Stores the objects (front-most first, as a draw site lists them) as the face's
    // design and deletes the face's preview.
    void SaveObjects(int face, const std::vector<TDrawObject*>& objects);
    void ClearDesign(int face);
    bool IsDesignCompressed(int face);
    void CompressDesign(int face);
    // Whether face a's design (or its preview) changed since the last load or save; the next
    // save compresses the design and renders the preview of exactly these faces.
    bool IsDesignChanged(int face) const;

    // --- previews ---------------------------------------------------------------------------
    bool HasPreview(int face);
    // Renders and stores the preview of a designed face that has none.
    void EnsurePreview(int face);
    // The face's preview (made when missing), or a null image for a face without design.
    QImage GetPreview(int face);
    void DeletePreview(int face);
    // Reads one stored preview from a document file without opening the document.
    static QImage ReadPreviewFromFile(const QString& path, int sheet, int face);

private:
    struct TSheetState;

    int DesignIndex(int face) const { return separatelyDesign_ ? face : 0; }
    QString SheetPath(int sheet) const;
    TDocNameList& DesignList();
    TDocNameList& PreviewList();
    void StoreSettings();
    void LoadSettings();
    // Reads the settings, paper, extra information and lists of the sheet at sheetPath in
    // root: the published settings go into this document (put back when reading them
    // fails), the rest into the state, which TakeSheetState makes the current sheet's.
    TSheetState ReadSheetState(TDocStorage& root, const QString& sheetPath);
    void ReadSettings(QIODevice& stream);
    void TakeSheetState(TSheetState state) noexcept;
    void OpenSheetLists();
    void WritePaperStreams(TDocStorage& sheet);
    void ApplyPaper(const TPaperInfo& paper);
    static void DeleteSurplusDesigns(TDocNameList& designs, const TPaperInfo& paper);
    // The design stream at index design of the current sheet (made when create, else nullptr
    // when missing), without marking it changed.
    std::unique_ptr<TDocStream> OpenDesign(int design, bool create);
    void MarkDesignChanged(int design);
    // Compresses the designs and renders the previews of the marked faces of every sheet,
    // respectively of the current sheet (which has marks).
    void BuildChangedDesigns();
    void BuildChangedDesignsOfSheet();

    std::unique_ptr<TGuide> guide_;
    std::unique_ptr<TGrid> grid_;
    int currentLabelNo_ = 0;
    bool separatelyDesign_ = true;
    QString sheetName_;

    std::unique_ptr<TTemporaryStorage> storage_;
    std::unique_ptr<TDocStorageList> sheets_;
    std::unique_ptr<TDocNameList> designs_;
    std::unique_ptr<TDocNameList> previews_;
    int currentSheet_ = -1;
    std::unique_ptr<TPaperInfo> paper_;
    std::unique_ptr<TPaperInfo> effectivePaper_;
    QString effectiveGroup_;
    bool effectiveValid_ = false;
    int effectiveGeneration_ = 0;
    std::unique_ptr<TExPaperInfo> extraInfo_;
    std::unique_ptr<TImagePaperInfo> imageInfo_;
    std::unique_ptr<TProductInfo> product_;
    std::unique_ptr<TProductInfo> creatorE_;
    std::unique_ptr<TProductInfo> creatorJ_;
    QString dataName_;
    QDateTime lastPrint_;
    QDateTime lastSave_;
    QDateTime openTime_;
    bool sheetMode_ = false;
    bool modified_ = false;
    // Per sheet storage name: the design indices whose compressed form or preview the next
    // save must build.
    std::map<QString, std::set<int>> changedDesigns_;
};

// Registers the classes that document streams create by name.
void RegisterDocumentClasses();
