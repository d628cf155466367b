#include "document/label_data.h"

#include "catalogue/catalogue_classes.h"
#include "catalogue/database/element_names.h"
#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/stored_elements.h"
#include "catalogue/paper/paper_info.h"
#include "catalogue/product/product_db.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/messages.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/doc_stream.h"
#include "core/storage/storage_modes.h"
#include "core/storage/temporary_storage.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "document/data_info.h"
#include "document/label_data_elements.h"
#include "document/ld_objects.h"

LR_DEFINE_CLASS(TLabelData, TComponent, LR_ABSTRACT,
    prop::Object("Guide", &Self::Guide, &Self::Guide),
    prop::Object("Grid", &Self::Grid, &Self::Grid),
    prop::Integer("CurrentLabelNo", &Self::CurrentLabelNo, &Self::SetCurrentLabelNo),
    prop::Boolean("SeparatelyDesign", &Self::SeparatelyDesign, &Self::SetSeparatelyDesign),
    prop::String("SheetName", &Self::SheetName, &Self::SetSheetName))

using namespace label_data;

namespace {

const QString kDataInfo = QStringLiteral("DataInfo");
const QString kInfo = QStringLiteral("Info");
const QString kPaperInfo = QStringLiteral("PaperInfo");
const QString kPaperExtraInfo = QStringLiteral("PaperExtraInfo");
const QString kPaperImageInfo = QStringLiteral("PaperImageInfo");
const QString kPaperImages = QStringLiteral("PaperImages");
// How many numbered names AddSheet tries.
constexpr int kMaxSheetNameTries = 1001;

std::unique_ptr<TDocNameList> SheetList(TDocStorage& root, const QString& sheetPath, const QString& list)
{
    return std::make_unique<TDocNameList>(root, sheetPath + QLatin1Char('\\') + list);
}

} // namespace

std::unique_ptr<TPaperInfo> label_data::ReadSheetPaper(TDocStorage& sheet)
{
    TDocStream stream(sheet, fmOpenRead, kPaperInfo);
    std::unique_ptr<TComponent> read = ReadComponentRes(stream);
    if (!dynamic_cast<TPaperInfo*>(read.get()))
        throw EAppError(kNotOurData);
    return std::unique_ptr<TPaperInfo>(static_cast<TPaperInfo*>(read.release()));
}

// One sheet's state as read from its storage, before it becomes the current sheet's.
struct TLabelData::TSheetState {
    std::unique_ptr<TDocNameList> Designs;
    std::unique_ptr<TDocNameList> Previews;
    std::unique_ptr<TPaperInfo> Paper; // none: the sheet keeps the current paper
    std::unique_ptr<TExPaperInfo> ExtraInfo;
    std::unique_ptr<TImagePaperInfo> ImageInfo;
};

void RegisterDocumentClasses()
{
    RegisterCatalogueClasses();
    RegisterClass(TLDObjects::StaticClassInfo());
    RegisterClass(TDataInfo::StaticClassInfo());
}

TLabelData::TLabelData()
    : guide_(std::make_unique<TGuide>()), grid_(std::make_unique<TGrid>()),
      storage_(std::make_unique<TTemporaryStorage>()), extraInfo_(std::make_unique<TExPaperInfo>()),
      imageInfo_(std::make_unique<TImagePaperInfo>()), product_(std::make_unique<TProductInfo>()),
      creatorE_(NewCreatorInfo()), creatorJ_(NewCreatorInfo())
{
    sheets_ = std::make_unique<TDocStorageList>(*storage_, kSheetList);
    if (TProductDB* database = ProductDatabase()) {
        try {
            if (database->ProductCount() > 0)
                database->GetProduct(0, *product_);
            database->GetCreatorEnglish(*creatorE_);
            database->GetCreatorJapanese(*creatorJ_);
        } catch (const EAppError& error) {
            ShowError(error);
        }
    }
    lastPrint_ = lastSave_ = openTime_ = QDateTime::currentDateTime();
    NewSheet();
    modified_ = false;
}

TLabelData::~TLabelData()
{
    designs_.reset();
    previews_.reset();
    sheets_.reset();
}

void TLabelData::SetSeparatelyDesign(bool separately)
{
    separatelyDesign_ = separately;
}

void TLabelData::SetSheetName(const QString& name)
{
    sheetName_ = name;
}

// --- document ---------------------------------------------------------------------------------

void TLabelData::LoadFromFile(const QString& path)
{
    // Everything is read from the new working copy before any of it is taken, so that a
    // failure at any point leaves the document, its working copy and its file as they were.
    auto storage = std::make_unique<TTemporaryStorage>(path);
    auto sheets = std::make_unique<TDocStorageList>(*storage, kSheetList);
    if (sheets->Count() == 0)
        throw EAppError(kNotOurData);
    TDataInfo info;
    if (storage->StreamExists(kDataInfo)) {
        TDocStream stream(*storage, fmOpenRead, kDataInfo);
        ReadComponentResBytes(ReadWholeStream(stream), info);
    }
    const int current = std::clamp(info.CurrentSheetNo(), 0, sheets->Count() - 1);
    TSheetState sheet = ReadSheetState(*storage, sheets->EntryPath(current));

    designs_.reset();
    previews_.reset();
    sheets_ = std::move(sheets);
    storage_.swap(storage); // the old working copy goes with the local
    currentSheet_ = current;
    TakeSheetState(std::move(sheet));
    changedDesigns_.clear();
    dataName_ = info.DataName();
    product_->Assign(info.ProductInfo());
    creatorE_->Assign(info.CreatorInfoE());
    creatorJ_->Assign(info.CreatorInfoJ());
    lastPrint_ = info.LastPrint();
    lastSave_ = info.LastSave();
    sheetMode_ = info.SheetMode();
    openTime_ = QDateTime::currentDateTime();
    modified_ = false;
}

void TLabelData::SaveToFile(const QString& path)
{
    StoreSettings();
    {
        TDataInfo info;
        info.SetDataName(dataName_);
        info.SetCurrentSheetNo(currentSheet_);
        info.ProductInfo().Assign(*product_);
        info.CreatorInfoE().Assign(*creatorE_);
        info.CreatorInfoJ().Assign(*creatorJ_);
        info.SetLastPrint(lastPrint_);
        info.SetLastSave(lastSave_);
        info.SetSheetMode(sheetMode_);
        TDocStream stream(*storage_, fmCreate, kDataInfo);
        WriteComponentRes(stream, kDataInfo, info);
    }
    // The working copy holds every sheet's settings and every unchanged face's compressed
    // design and preview already; only the changed faces are built before the copy.
    BuildChangedDesigns();
    storage_->SaveTo(path);
    modified_ = false;
}

// --- sheets ------------------------------------------------------------------------------------

int TLabelData::SheetCount() const
{
    return sheets_->Count();
}

QString TLabelData::SheetPath(int sheet) const
{
    return sheets_->EntryPath(sheet);
}

void TLabelData::OpenSheetLists()
{
    designs_.reset();
    previews_.reset();
    designs_ = SheetList(*storage_, SheetPath(currentSheet_), kDesignList);
    previews_ = SheetList(*storage_, SheetPath(currentSheet_), kPreviewList);
}

TDocNameList& TLabelData::DesignList()
{
    if (!designs_)
        OpenSheetLists();
    return *designs_;
}

TDocNameList& TLabelData::PreviewList()
{
    if (!previews_)
        OpenSheetLists();
    return *previews_;
}

void TLabelData::SetCurrentSheet(int sheet)
{
    if (sheet == currentSheet_)
        return;
    if (sheet < 0 || sheet >= SheetCount())
        throw EAppError(QStringLiteral("シート %1 がありません").arg(sheet + 1));
    StoreSettings();
    TSheetState state = ReadSheetState(*storage_, SheetPath(sheet));
    currentSheet_ = sheet;
    TakeSheetState(std::move(state));
}

void TLabelData::StoreSettings()
{
    if (currentSheet_ < 0)
        return;
    TDocStorage sheet(*storage_, true, SheetPath(currentSheet_));
    {
        TDocStream stream(sheet, fmCreate, kInfo);
        WriteComponentRes(stream, kInfo, *this);
    }
    WritePaperStreams(sheet);
}

void TLabelData::WritePaperStreams(TDocStorage& sheet)
{
    if (paper_) {
        TDocStream stream(sheet, fmCreate, kPaperInfo);
        WriteComponentRes(stream, kPaperInfo, *paper_);
    }
    if (extraInfo_->IsEmpty()) {
        sheet.DeleteElement(kPaperExtraInfo);
    } else {
        TDocStream stream(sheet, fmCreate, kPaperExtraInfo);
        WriteComponentRes(stream, kPaperExtraInfo, *extraInfo_);
    }
    sheet.DeleteElement(kPaperImages);
    if (imageInfo_->IsEmpty()) {
        sheet.DeleteElement(kPaperImageInfo);
        return;
    }
    {
        TDocStream stream(sheet, fmCreate, kPaperImageInfo);
        WriteComponentRes(stream, kPaperImageInfo, *imageInfo_);
    }
    TDocStorage images(sheet, true, kPaperImages);
    const QByteArrayList& lists = imageInfo_->ObjectLists();
    for (qsizetype i = 0; i < lists.size(); ++i)
        WriteStoredBytes(images, ElementName(static_cast<quint32>(i + 1)), lists[i]);
}

TLabelData::TSheetState TLabelData::ReadSheetState(TDocStorage& root, const QString& sheetPath)
{
    TSheetState state;
    state.Designs = SheetList(root, sheetPath, kDesignList);
    state.Previews = SheetList(root, sheetPath, kPreviewList);
    TDocStorage sheet(root, true, sheetPath);
    if (sheet.StreamExists(kPaperInfo))
        state.Paper = ReadSheetPaper(sheet);
    state.ExtraInfo = std::make_unique<TExPaperInfo>();
    if (sheet.StreamExists(kPaperExtraInfo)) {
        TDocStream stream(sheet, fmOpenRead, kPaperExtraInfo);
        ReadComponentRes(stream, *state.ExtraInfo);
    }
    state.ImageInfo = std::make_unique<TImagePaperInfo>();
    if (sheet.StreamExists(kPaperImageInfo)) {
        {
            TDocStream stream(sheet, fmOpenRead, kPaperImageInfo);
            ReadComponentRes(stream, *state.ImageInfo);
        }
        QByteArrayList lists;
        if (sheet.StorageExists(kPaperImages)) {
            TDocStorage stored(sheet, false, kPaperImages);
            for (quint32 label = 1; stored.StreamExists(ElementName(label)); ++label)
                lists.append(ReadStoredBytes(stored, ElementName(label)));
        }
        state.ImageInfo->SetObjectLists(lists);
    }
    if (state.Paper)
        DeleteSurplusDesigns(*state.Designs, *state.Paper);
    // Last, as nothing may fail once the settings are in this document.
    if (sheet.StreamExists(kInfo)) {
        TDocStream stream(sheet, fmOpenRead, kInfo);
        ReadSettings(stream);
    }
    return state;
}

void TLabelData::ReadSettings(QIODevice& stream)
{
    // A damaged stream may fail half-way through the properties: the ones read so far are
    // put back.
    TGuide guide;
    guide.Assign(*guide_);
    TGrid grid;
    grid.Assign(*grid_);
    const QString name = Name();
    const int labelNo = currentLabelNo_;
    const bool separately = separatelyDesign_;
    const QString sheetName = sheetName_;
    try {
        ReadComponentRes(stream, *this);
    } catch (...) {
        guide_->Assign(guide);
        grid_->Assign(grid);
        SetName(name);
        currentLabelNo_ = labelNo;
        separatelyDesign_ = separately;
        sheetName_ = sheetName;
        throw;
    }
}

void TLabelData::TakeSheetState(TSheetState state) noexcept
{
    designs_ = std::move(state.Designs);
    previews_ = std::move(state.Previews);
    if (state.Paper) {
        paper_ = std::move(state.Paper);
        effectiveValid_ = false;
    }
    extraInfo_ = std::move(state.ExtraInfo);
    imageInfo_ = std::move(state.ImageInfo);
}

void TLabelData::LoadSettings()
{
    if (currentSheet_ < 0)
        return;
    const bool wasModified = modified_;
    TakeSheetState(ReadSheetState(*storage_, SheetPath(currentSheet_)));
    modified_ = wasModified;
}

void TLabelData::AddSheet(const QString& pattern)
{
    const QStringList used = SheetNames();
    sheets_->AddNewName();
    StoreSettings();
    currentSheet_ = SheetCount() - 1;
    OpenSheetLists();
    for (int number = 1; number <= kMaxSheetNameTries; ++number) {
        const QString name = FormatText(pattern, {QString::number(number)});
        if (!used.contains(name)) {
            sheetName_ = name;
            break;
        }
    }
    modified_ = true;
}

void TLabelData::NewSheet()
{
    AddSheet(QStringLiteral("新規シート%d"));
}

void TLabelData::DuplicateSheet()
{
    const QString original = SheetPath(currentSheet_);
    const auto changed = changedDesigns_.find(sheets_->Name(currentSheet_));
    const std::set<int> marks = changed == changedDesigns_.end() ? std::set<int>() : changed->second;
    AddSheet(FormatText(QStringLiteral("%sのコピー%%d"), {sheetName_}));
    {
        TDocStorage source(*storage_, false, original);
        TDocStorage target(*storage_, true, SheetPath(currentSheet_));
        designs_.reset();
        previews_.reset();
        source.CopyTo(target);
    }
    OpenSheetLists();
    // The copy holds the same designs still to be built as the original.
    if (!marks.empty())
        changedDesigns_[sheets_->Name(currentSheet_)] = marks;
}

void TLabelData::DeleteSheet(int sheet)
{
    if (sheet < 0 || sheet >= SheetCount())
        throw EAppError(QStringLiteral("シート %1 がありません").arg(sheet + 1));
    if (SheetCount() == 1)
        throw EAppError(QStringLiteral("最後のシートは削除できません"));
    // The current sheet's settings are kept when another sheet goes; the same sheet stays
    // current, wherever it now stands.
    int current = currentSheet_;
    if (sheet != current)
        StoreSettings();
    designs_.reset();
    previews_.reset();
    changedDesigns_.erase(sheets_->Name(sheet));
    sheets_->DeleteEntry(sheet);
    if (sheet < current)
        --current;
    currentSheet_ = std::min(current, SheetCount() - 1);
    LoadSettings();
    modified_ = true;
}

void TLabelData::MoveSheet(int sheet)
{
    if (sheet < 0 || sheet >= SheetCount())
        throw EAppError(QStringLiteral("シート %1 がありません").arg(sheet + 1));
    StoreSettings();
    sheets_->Move(currentSheet_, sheet);
    currentSheet_ = sheet;
    modified_ = true;
}

QStringList TLabelData::SheetNames()
{
    QStringList names;
    const int current = currentSheet_;
    for (int sheet = 0; sheet < SheetCount(); ++sheet) {
        SetCurrentSheet(sheet);
        names << sheetName_;
    }
    if (current >= 0)
        SetCurrentSheet(current);
    return names;
}

// --- paper ---------------------------------------------------------------------------------------

void TLabelData::ApplyPaper(const TPaperInfo& paper)
{
    paper_ = paper.Clone();
    effectiveValid_ = false;
    DeleteSurplusDesigns(DesignList(), *paper_);
}

void TLabelData::DeleteSurplusDesigns(TDocNameList& designs, const TPaperInfo& paper)
{
    while (designs.Count() > paper.FaceCount())
        designs.DeleteEntry(designs.Count() - 1);
}

void TLabelData::SetPaper(const TPaperInfo& paper)
{
    ApplyPaper(paper);
    modified_ = true;
}

void TLabelData::ChangePaper(const TPaperInfo& paper)
{
    SetPaper(paper);
    TDocNameList& previews = PreviewList();
    for (int preview = 0; preview < previews.Count(); ++preview) {
        if (previews.StreamExists(preview))
            previews.Storage().DeleteElement(previews.Name(preview));
        MarkDesignChanged(preview);
    }
}

void TLabelData::SetExtraInfo(const TExPaperInfo* info)
{
    auto copy = std::make_unique<TExPaperInfo>();
    if (info)
        copy->Assign(*info);
    extraInfo_ = std::move(copy);
    modified_ = true;
}

void TLabelData::SetImageInfo(const TImagePaperInfo* info)
{
    auto copy = std::make_unique<TImagePaperInfo>();
    if (info)
        copy->Assign(*info);
    imageInfo_ = std::move(copy);
    modified_ = true;
}

TRect TLabelData::FaceArea(int face) const
{
    if (!paper_ || face < 0 || face >= paper_->FaceCount())
        return {};
    TFaceInfo info;
    paper_->GetFaceInfo(face, info);
    const TRect outer = info.OuterRect();
    return {0, 0, RectWidth(outer), RectHeight(outer)};
}
