#include "printing/pipeline/print_site.h"

#include "catalogue/database/extra_paper_info.h"
#include "catalogue/paper/paper_info.h"
#include "core/canvas/units.h"
#include "core/face/face_info.h"
#include "core/model/document_facts.h"
#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "core/stream/component_stream.h"
#include "document/label_data.h"
#include "document/ld_objects.h"
#include "printing/pipeline/print_progress.h"
#include "printing/pipeline/print_request.h"
#include "printing/pipeline/soft_edge.h"

#include <QBuffer>

LR_DEFINE_CLASS(TPrintSite, TDrawSiteModel, LR_ABSTRACT)

namespace {

constexpr int kPatternLayerGroup = -50;

// Puts a face's object onto the sheet: a background fills the face's bounds, anything
// else moves by the face's position.
void PlaceOnSheet(TDrawObject& object, const TRect& outer)
{
    auto* enclose = dynamic_cast<IDOEncloseBounds*>(&object);
    if (!enclose)
        return;
    if (dynamic_cast<IBackgroundImageObject*>(&object)) {
        const TRect bounds = enclose->GetBounds();
        enclose->MoveBy(outer.Left - bounds.Left, outer.Top - bounds.Top);
        enclose->Resize(RectWidth(outer), RectHeight(outer));
        return;
    }
    enclose->MoveBy(outer.Left, outer.Top);
}

} // namespace

TPrintSite::TPrintSite(TLabelData& document, const TPaperInfo& paper, const TPrintSpec& spec, IPrintProgress* progress,
                       std::function<bool()> running)
    : document_(document), paper_(paper), spec_(spec), progress_(progress), running_(std::move(running))
{
    SetBorder(false);
    Scaler().SetUnitDPI(kUnitsPerInch);
    SetLogSize(paper.Width(), paper.Height());
}

TPrintSite::~TPrintSite()
{
    Clear();
}

void TPrintSite::Clear()
{
    while (ObjectCount() > 0)
        RemoveObject(Object(ObjectCount() - 1));
}

bool TPrintSite::HasPatternImages(int face) const
{
    const TImagePaperInfo& images = document_.ImageInfo();
    const int index = images.SeparatelyDesign() ? face : 0;
    return index >= 0 && index < images.ObjectLists().size() &&
           TImagePaperInfo::ObjectCount(images.ObjectLists()[index]) > 0;
}

std::vector<std::unique_ptr<TDrawObject>> TPrintSite::PatternImages(int face) const
{
    if (!HasPatternImages(face))
        return {};
    const TImagePaperInfo& images = document_.ImageInfo();
    QByteArray list = images.ObjectLists()[images.SeparatelyDesign() ? face : 0];
    QBuffer buffer(&list);
    buffer.open(QIODevice::ReadOnly);
    TLDObjects holder;
    ReadObject(buffer, holder);
    return holder.TakeObjects();
}

void TPrintSite::Fill(int face)
{
    Clear();
    TFaceInfo info;
    paper_.GetFaceInfo(face, info);
    const TRect outer = info.OuterRect();

    std::vector<std::unique_ptr<TDrawObject>> objects;
    if (spec_.BlurEdge)
        if (std::unique_ptr<TDrawObject> mask = MakeSoftEdgeObject(info))
            objects.push_back(std::move(mask));
    for (std::unique_ptr<TDrawObject>& object : document_.LoadObjects(face))
        objects.push_back(std::move(object));
    for (const std::unique_ptr<TDrawObject>& object : objects)
        PlaceOnSheet(*object, outer);
    if (spec_.PrintPaperImage)
        for (std::unique_ptr<TDrawObject>& pattern : PatternImages(face)) {
            PlaceOnSheet(*pattern, outer);
            pattern->SetLayerGroup(kPatternLayerGroup);
            objects.push_back(std::move(pattern));
        }
    for (std::unique_ptr<TDrawObject>& object : objects) {
        object->SetSelectable(false);
        AddObject(std::move(object));
    }
}

void TPrintSite::DrawObjectTo(TDrawObject& object, TCanvas& canvas)
{
    if (!running_())
        return;
    TDrawSiteModel::DrawObjectTo(object, canvas);
    if (progress_)
        progress_->KeepAlive();
}
