#include "document/label_data.h"

#include "catalogue/catalogue_classes.h"
#include "catalogue/database/element_names.h"
#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/stored_elements.h"
#include "catalogue/paper/paper_info.h"
#include "catalogue/product/product_db.h"
#include "core/model/document_facts.h"
#include "core/model/draw_object.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/face/face_preview.h"
#include "core/messages.h"
#include "core/model/placement.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "core/storage/temporary_storage.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "document/data_info.h"
#include "document/ld_objects.h"
#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_data.h"
#include "graphics/picture/png_codec.h"
#include "graphics/picture/zlib_container.h"

#include <QBuffer>

LR_DEFINE_CLASS(TLabelData, TComponent, LR_ABSTRACT,
    prop::Object("Guide", &Self::Guide, &Self::Guide),
    prop::Object("Grid", &Self::Grid, &Self::Grid),
    prop::Integer("CurrentLabelNo", &Self::CurrentLabelNo, &Self::SetCurrentLabelNo),
    prop::Boolean("SeparatelyDesign", &Self::SeparatelyDesign, &Self::SetSeparatelyDesign),
    prop::String("SheetName", &Self::SheetName, &Self::SetSheetName))

namespace {

const QString kSheetList = QStringLiteral("Sheets\\NameList");
const QString kDataInfo = QStringLiteral("DataInfo");
const QString kInfo = QStringLiteral("Info");
const QString kPaperInfo = QStringLiteral("PaperInfo");
const QString kPaperExtraInfo = QStringLiteral("PaperExtraInfo");
const QString kPaperImageInfo = QStringLiteral("PaperImageInfo");
const QString kPaperImages = QStringLiteral("PaperImages");
const QString kDesignList = QStringLiteral("NameList");
const QString kPreviewList = QStringLiteral("Preview");
const QString kDesignResource = QStringLiteral("LabelData");
const QString kNotOurData = QStringLiteral("不正なストリーム フォーマット");
// The size a face preview is fitted into.
constexpr QSize kPreviewSize(200, 200);
// A compressed design never inflates beyond this.
constexpr qint64 kMaxDesignBytes = 512LL * 1024 * 1024;
// How many numbered names AddSheet tries.
constexpr int kMaxSheetNameTries = 1001;

bool IsCompressed(QIODevice& stream)
{
    stream.seek(0);
    const bool compressed = IsZlibContainer(stream);
    stream.seek(0);
    return compressed;
}

std::unique_ptr<TPaperInfo> ReadPaper(TDocStorage& sheet)
{
    TDocStream stream(sheet, fmOpenRead, kPaperInfo);
    std::unique_ptr<TComponent> read = ReadComponentRes(stream);
    if (!dynamic_cast<TPaperInfo*>(read.get()))
        throw EAppError(kNotOurData);
    return std::unique_ptr<TPaperInfo>(static_cast<TPaperInfo*>(read.release()));
}

QImage DecodePreview(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    if (bytes.startsWith("BM"))
        return ReadBmp(bytes).Image;
    const std::unique_ptr<TGraphic> graphic = ReadPictureData(bytes);
    return graphic ? graphic->ToImage() : QImage();
}

} // namespace

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

void TLabelData::ResetWorkingStorage(std::unique_ptr<TTemporaryStorage> storage)
{
    designs_.reset();
    previews_.reset();
    sheets_.reset();
    storage_ = std::move(storage);
    sheets_ = std::make_unique<TDocStorageList>(*storage_, kSheetList);
}

void TLabelData::LoadFromFile(const QString& path)
{
    auto storage = std::make_unique<TTemporaryStorage>();
    storage->LoadFrom(path);
    TDataInfo info;
    {
        TDocStorageList sheets(*storage, kSheetList);
        if (sheets.Count() == 0)
            throw EAppError(kNotOurData);
        if (storage->StreamExists(kDataInfo)) {
            TDocStream stream(*storage, fmOpenRead, kDataInfo);
            ReadComponentResBytes(ReadWholeStream(stream), info);
        }
        info.SetCurrentSheetNo(std::clamp(info.CurrentSheetNo(), 0, sheets.Count() - 1));
    }
    ResetWorkingStorage(std::move(storage));
    currentSheet_ = -1;
    dataName_ = info.DataName();
    product_->Assign(info.ProductInfo());
    creatorE_->Assign(info.CreatorInfoE());
    creatorJ_->Assign(info.CreatorInfoJ());
    lastPrint_ = info.LastPrint();
    lastSave_ = info.LastSave();
    sheetMode_ = info.SheetMode();
    openTime_ = QDateTime::currentDateTime();
    currentSheet_ = info.CurrentSheetNo();
    LoadSettings();
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
    const int shown = currentSheet_;
    for (int sheet = 0; sheet < SheetCount(); ++sheet) {
        SetCurrentSheet(sheet);
        const int faces = paper_ ? paper_->FaceCount() : 0;
        for (int face = 0; face < faces; ++face)
            EnsurePreview(face);
        for (int design = 0; design < DesignList().Count(); ++design)
            if (!IsDesignCompressed(design))
                CompressDesign(design);
    }
    SetCurrentSheet(shown);
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
    designs_ = std::make_unique<TDocNameList>(*storage_, SheetPath(currentSheet_) + QLatin1Char('\\') + kDesignList);
    previews_ = std::make_unique<TDocNameList>(*storage_, SheetPath(currentSheet_) + QLatin1Char('\\') + kPreviewList);
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
    currentSheet_ = sheet;
    LoadSettings();
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

void TLabelData::ReadPaperStreams(TDocStorage& sheet)
{
    if (sheet.StreamExists(kPaperInfo))
        ApplyPaper(*ReadPaper(sheet));
    auto extra = std::make_unique<TExPaperInfo>();
    if (sheet.StreamExists(kPaperExtraInfo)) {
        TDocStream stream(sheet, fmOpenRead, kPaperExtraInfo);
        ReadComponentRes(stream, *extra);
    }
    auto images = std::make_unique<TImagePaperInfo>();
    if (sheet.StreamExists(kPaperImageInfo)) {
        {
            TDocStream stream(sheet, fmOpenRead, kPaperImageInfo);
            ReadComponentRes(stream, *images);
        }
        QByteArrayList lists;
        if (sheet.StorageExists(kPaperImages)) {
            TDocStorage stored(sheet, false, kPaperImages);
            for (quint32 label = 1; stored.StreamExists(ElementName(label)); ++label)
                lists.append(ReadStoredBytes(stored, ElementName(label)));
        }
        images->SetObjectLists(lists);
    }
    extraInfo_ = std::move(extra);
    imageInfo_ = std::move(images);
}

void TLabelData::LoadSettings()
{
    if (currentSheet_ < 0)
        return;
    const bool wasModified = modified_;
    OpenSheetLists();
    TDocStorage sheet(*storage_, true, SheetPath(currentSheet_));
    if (sheet.StreamExists(kInfo)) {
        TDocStream stream(sheet, fmOpenRead, kInfo);
        ReadComponentRes(stream, *this);
    }
    ReadPaperStreams(sheet);
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
    AddSheet(FormatText(QStringLiteral("%sのコピー%%d"), {sheetName_}));
    {
        TDocStorage source(*storage_, false, original);
        TDocStorage target(*storage_, true, SheetPath(currentSheet_));
        designs_.reset();
        previews_.reset();
        source.CopyTo(target);
    }
    OpenSheetLists();
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
    DeleteSurplusDesigns();
}

void TLabelData::DeleteSurplusDesigns()
{
    TDocNameList& designs = DesignList();
    const int faces = paper_ ? paper_->FaceCount() : 0;
    while (designs.Count() > faces)
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
    for (int preview = 0; preview < previews.Count(); ++preview)
        if (previews.StreamExists(preview))
            previews.Storage().DeleteElement(previews.Name(preview));
}

const TPaperInfo* TLabelData::EffectivePaper()
{
    if (!paper_)
        return nullptr;
    // Recomputed for every new paper and whenever the paper's group changed. Papers of the
    // direct-print groups are copied unchanged until their disc geometry is adjusted.
    if (!effectiveValid_ || paper_->GroupName() != effectiveGroup_) {
        effectivePaper_ = paper_->Clone();
        effectiveGroup_ = paper_->GroupName();
        effectiveValid_ = true;
    }
    return effectivePaper_.get();
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

// --- designs ----------------------------------------------------------------------------------------

std::unique_ptr<QIODevice> TLabelData::DesignStream(int face, bool create, bool expand)
{
    TDocNameList& designs = DesignList();
    const int design = DesignIndex(face);
    if (design < 0)
        return nullptr;
    if (create) {
        while (designs.Count() <= design)
            designs.AddNewName();
        return designs.OpenStream(design, fmCreate);
    }
    if (!designs.StreamExists(design))
        return nullptr;
    std::unique_ptr<TDocStream> stream = designs.OpenStream(design, fmOpenRead);
    if (!expand || !IsCompressed(*stream))
        return stream;
    auto expanded = std::make_unique<QBuffer>();
    expanded->setData(ExpandContainerBytes(ReadWholeStream(*stream), kMaxDesignBytes, kNotOurData));
    expanded->open(QIODevice::ReadOnly);
    return expanded;
}

bool TLabelData::HasDesign(int face)
{
    const std::unique_ptr<QIODevice> stream = DesignStream(face, false, false);
    return stream && stream->size() > 0;
}

std::vector<std::unique_ptr<TDrawObject>> TLabelData::LoadObjects(int face)
{
    const std::unique_ptr<QIODevice> stream = DesignStream(face, false, true);
    if (!stream || stream->size() == 0)
        return {};
    TLDObjects holder;
    ReadObject(*stream, holder);
    std::vector<std::unique_ptr<TDrawObject>> objects = holder.TakeObjects();

    TFaceInfo info;
    if (paper_ && face >= 0 && face < paper_->FaceCount())
        paper_->GetFaceInfo(face, info);
    const TRect area = FaceArea(face);
    for (std::unique_ptr<TDrawObject>& object : objects) {
        object->SetName({});
        if (auto* date = dynamic_cast<IDocumentDateObject*>(object.get())) {
            switch (date->UpdateFlag()) {
            case TDateUpdateFlag::dufOpen:
                date->SetDate(openTime_);
                break;
            case TDateUpdateFlag::dufPrint:
                date->SetDate(lastPrint_);
                break;
            case TDateUpdateFlag::dufSave:
                date->SetDate(lastSave_);
                break;
            case TDateUpdateFlag::dufNo:
                break;
            }
        }
        if (auto* background = dynamic_cast<IBackgroundImageObject*>(object.get())) {
            if (std::unique_ptr<TDrawObject> current = background->CurrentKind())
                object = std::move(current);
            if (auto* replaced = dynamic_cast<IBackgroundImageObject*>(object.get()))
                replaced->SetFace(info, RectWidth(area), RectHeight(area));
        }
    }
    std::vector<TDrawObject*> placed;
    for (const auto& object : objects)
        placed.push_back(object.get());
    KeepInside(placed, area);
    return objects;
}

void TLabelData::SaveObjects(int face, const std::vector<TDrawObject*>& objects)
{
    const std::unique_ptr<QIODevice> stream = DesignStream(face, true, false);
    const auto* only = objects.size() == 1 ? dynamic_cast<const IBackgroundImageObject*>(objects.front()) : nullptr;
    const bool onlyEmptyBackground = only && only->IsEmptyBackground();
    if (!objects.empty() && !onlyEmptyBackground)
        WriteComponentRes(*stream, kDesignResource, TLDObjects(objects));
    modified_ = true;
    DeletePreview(face);
}

void TLabelData::ClearDesign(int face)
{
    TDocNameList& designs = DesignList();
    const int design = DesignIndex(face);
    if (design >= 0 && design < designs.Count())
        designs.Storage().DeleteElement(designs.Name(design));
    DeletePreview(face);
    modified_ = true;
}

bool TLabelData::IsDesignCompressed(int face)
{
    const std::unique_ptr<QIODevice> stream = DesignStream(face, false, false);
    return stream && IsCompressed(*stream);
}

void TLabelData::CompressDesign(int face)
{
    QByteArray bytes;
    {
        const std::unique_ptr<QIODevice> stream = DesignStream(face, false, false);
        if (!stream || stream->size() == 0 || IsCompressed(*stream))
            return;
        bytes = ReadWholeStream(*stream);
    }
    const QByteArray compressed = CompressToContainer(bytes, TCompressionLevel::Max);
    const std::unique_ptr<QIODevice> stream = DesignStream(face, true, false);
    if (stream->write(compressed) != compressed.size())
        throw EAppError(QStringLiteral("ストリームへの書き込みエラー"));
}

// --- previews ---------------------------------------------------------------------------------------

bool TLabelData::HasPreview(int face)
{
    TDocNameList& previews = PreviewList();
    const int preview = DesignIndex(face);
    if (!previews.StreamExists(preview))
        return false;
    return previews.OpenStream(preview, fmOpenRead)->size() > 0;
}

void TLabelData::EnsurePreview(int face)
{
    if (!paper_ || face < 0 || face >= paper_->FaceCount() || !HasDesign(face) || HasPreview(face))
        return;
    std::vector<std::unique_ptr<TDrawObject>> objects = LoadObjects(face);
    TFaceInfo info;
    paper_->GetFaceInfo(face, info);
    const QImage image = RenderFacePreview(info, objects, kPreviewSize, kPreviewNaturalZoom);
    if (image.isNull())
        return;
    TPngImage png;
    png.LoadFromBytes(EncodePNG(image));
    const QByteArray data = WritePictureData(&png);
    TDocNameList& previews = PreviewList();
    const int preview = DesignIndex(face);
    while (previews.Count() <= preview)
        previews.AddNewName();
    const std::unique_ptr<TDocStream> stream = previews.OpenStream(preview, fmCreate);
    if (stream->write(data) != data.size())
        throw EAppError(QStringLiteral("ストリームへの書き込みエラー"));
}

QImage TLabelData::GetPreview(int face)
{
    if (!HasDesign(face))
        return {};
    EnsurePreview(face);
    TDocNameList& previews = PreviewList();
    const int preview = DesignIndex(face);
    if (!previews.StreamExists(preview))
        return {};
    return DecodePreview(ReadWholeStream(*previews.OpenStream(preview, fmOpenRead)));
}

void TLabelData::DeletePreview(int face)
{
    TDocNameList& previews = PreviewList();
    const int preview = DesignIndex(face);
    if (previews.StreamExists(preview))
        previews.Storage().DeleteElement(previews.Name(preview));
}

QImage TLabelData::ReadPreviewFromFile(const QString& path, int sheet, int face)
{
    try {
        TFileStorage file(path, fmOpenRead | fmShareDenyWrite);
        TDocStorageList sheets(file, kSheetList);
        if (sheet < 0 || sheet >= sheets.Count())
            return {};
        TDocNameList previews(file, sheets.EntryPath(sheet) + QLatin1Char('\\') + kPreviewList);
        if (!previews.StreamExists(face))
            return {};
        return DecodePreview(ReadWholeStream(*previews.OpenStream(face, fmOpenRead)));
    } catch (const std::exception&) {
        return {};
    }
}
