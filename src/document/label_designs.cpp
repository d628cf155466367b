// The face designs and previews of a label document: design streams (compressed on save),
// the objects read from and written to them, the previews rendered from them, and the
// marks of the faces whose design changed since the last load or save.
#include "document/label_data.h"

#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/face/face_preview.h"
#include "core/model/document_facts.h"
#include "core/model/draw_object.h"
#include "core/model/object_walk.h"
#include "core/model/placement.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "core/stream/component_stream.h"
#include "document/label_data_elements.h"
#include "document/ld_objects.h"
#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_data.h"
#include "graphics/picture/png_codec.h"
#include "graphics/picture/zlib_container.h"

#include <QBuffer>
#include <algorithm>
#include <iterator>

using namespace label_data;

namespace {

const QString kDesignResource = QStringLiteral("LabelData");
// The size a face preview is fitted into.
constexpr QSize kPreviewSize(200, 200);
// A compressed design never inflates beyond this.
constexpr qint64 kMaxDesignBytes = 512LL * 1024 * 1024;

bool IsCompressed(QIODevice& stream)
{
    stream.seek(0);
    const bool compressed = IsZlibContainer(stream);
    stream.seek(0);
    return compressed;
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

void WriteAll(QIODevice& stream, const QByteArray& bytes)
{
    if (stream.write(bytes) != bytes.size())
        throw EAppError(QStringLiteral("ストリームへの書き込みエラー"));
}

} // namespace

// --- designs ----------------------------------------------------------------------------------------

std::unique_ptr<TDocStream> TLabelData::OpenDesign(int design, bool create)
{
    TDocNameList& designs = DesignList();
    if (create) {
        while (designs.Count() <= design)
            designs.AddNewName();
        return designs.OpenStream(design, fmCreate);
    }
    if (!designs.StreamExists(design))
        return nullptr;
    return designs.OpenStream(design, fmOpenRead);
}

std::unique_ptr<QIODevice> TLabelData::DesignStream(int face, bool create, bool expand)
{
    const int design = DesignIndex(face);
    if (design < 0)
        return nullptr;
    if (create) {
        // Whatever the caller writes is stored as it is until the next save compresses it.
        MarkDesignChanged(design);
        return OpenDesign(design, true);
    }
    std::unique_ptr<TDocStream> stream = OpenDesign(design, false);
    if (!stream || !expand || !IsCompressed(*stream))
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
    std::vector<TDrawObject*> loaded;
    for (const auto& object : objects)
        loaded.push_back(object.get());
    // Date fields take the document's dates wherever they sit, inside groups too.
    ForEachObjectDeep(loaded, [this](TDrawObject& object) {
        auto* date = dynamic_cast<IDocumentDateObject*>(&object);
        if (!date)
            return;
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
    });
    for (std::unique_ptr<TDrawObject>& object : objects) {
        object->SetName({});
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
    const int design = DesignIndex(face);
    if (design < 0)
        return;
    QByteArray bytes;
    {
        const std::unique_ptr<TDocStream> stream = OpenDesign(design, false);
        if (!stream || stream->size() == 0 || IsCompressed(*stream))
            return;
        bytes = ReadWholeStream(*stream);
    }
    WriteAll(*OpenDesign(design, true), CompressToContainer(bytes, TCompressionLevel::Max));
}

// --- changed designs -------------------------------------------------------------------------------

void TLabelData::MarkDesignChanged(int design)
{
    if (currentSheet_ >= 0 && design >= 0)
        changedDesigns_[sheets_->Name(currentSheet_)].insert(design);
}

bool TLabelData::IsDesignChanged(int face) const
{
    if (currentSheet_ < 0)
        return false;
    const auto marks = changedDesigns_.find(sheets_->Name(currentSheet_));
    return marks != changedDesigns_.end() && marks->second.contains(DesignIndex(face));
}

void TLabelData::BuildChangedDesigns()
{
    // Every other face already holds its compressed design and its preview in the working
    // copy, which the save copies as it is.
    const int shown = currentSheet_;
    try {
        for (int sheet = 0; sheet < SheetCount() && !changedDesigns_.empty(); ++sheet) {
            if (changedDesigns_.contains(sheets_->Name(sheet))) {
                SetCurrentSheet(sheet);
                BuildChangedDesignsOfSheet();
            }
        }
    } catch (...) {
        // The save fails with the sheet shown that was shown before, if it can be.
        try {
            SetCurrentSheet(shown);
        } catch (const EAppError&) {
        }
        throw;
    }
    SetCurrentSheet(shown);
}

void TLabelData::BuildChangedDesignsOfSheet()
{
    const auto marks = changedDesigns_.find(sheets_->Name(currentSheet_));
    const std::set<int>& changed = marks->second;
    std::set<int> done;
    const int faces = paper_ ? paper_->FaceCount() : 0;
    for (int face = 0; face < faces; ++face) {
        if (changed.contains(DesignIndex(face)) && done.insert(DesignIndex(face)).second) {
            EnsurePreview(face);
            CompressDesign(face);
        }
    }
    // Designs beyond the paper's faces have no preview but are compressed all the same.
    for (int design : changed) {
        if (design >= faces && design == DesignIndex(design) && done.insert(design).second)
            CompressDesign(design);
    }
    // A mark stays for a design the sheet does not use now (its faces share face 0's), so
    // that it is built once the sheet uses it again.
    std::set<int> left;
    std::set_difference(changed.begin(), changed.end(), done.begin(), done.end(), std::inserter(left, left.end()));
    if (left.empty())
        changedDesigns_.erase(marks);
    else
        marks->second = std::move(left);
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
    TDocNameList& previews = PreviewList();
    const int preview = DesignIndex(face);
    while (previews.Count() <= preview)
        previews.AddNewName();
    WriteAll(*previews.OpenStream(preview, fmCreate), WritePictureData(&png));
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
    // A designed face without a preview gets one on the next save.
    MarkDesignChanged(preview);
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
