#include "core/face/face_site.h"

#include "core/model/draw_site_model.h"
#include "core/error.h"

#include <memory>

namespace {

// Calls visit(face, index) for each face on the site in z-order until it returns true;
// returns the face it stopped at.
template <class Visit>
TLOFace* FindFace(const TDrawSiteModel& site, Visit visit)
{
    int index = 0;
    for (TDrawObject* object : site.Objects())
        if (auto* face = dynamic_cast<TLOFace*>(object))
            if (visit(*face, index++))
                return face;
    return nullptr;
}

} // namespace

int FaceCount(const TDrawSiteModel& site)
{
    int count = 0;
    FindFace(site, [&](TLOFace&, int) { ++count; return false; });
    return count;
}

TLOFace* FaceAt(const TDrawSiteModel& site, int index)
{
    return FindFace(site, [index](TLOFace&, int i) { return i == index; });
}

int FaceIndex(const TLOFace& face)
{
    int found = -1;
    if (const TDrawSiteModel* site = face.Site())
        FindFace(*site, [&](TLOFace& other, int i) {
            if (&other != &face)
                return false;
            found = i;
            return true;
        });
    return found;
}

TLOFace* FirstSelectedFace(const TDrawSiteModel& site)
{
    return FindFace(site, [](TLOFace& face, int) { return face.FaceSelected(); });
}

void SelectFace(TDrawSiteModel& site, int index)
{
    if (TLOFace* face = FaceAt(site, index))
        face->SetFaceSelected(true);
}

void CreateFaces(TDrawSiteModel& site, const IPaperFaces& paper, bool exclusive, const TClassInfo& faceClass,
                 bool editable)
{
    const auto createFace = [&faceClass] {
        std::unique_ptr<TPersistent> created(faceClass.Create());
        if (!dynamic_cast<TLOFace*>(created.get()))
            throw EAppError(QStringLiteral("%1 is not a face class").arg(QString::fromLatin1(faceClass.Name())));
        return std::unique_ptr<TLOFace>(static_cast<TLOFace*>(created.release()));
    };
    const int count = paper.FaceCount();
    for (int j = 0; j < count; ++j) {
        std::unique_ptr<TLOFace> face = createFace();
        face->SetExclusive(exclusive);
        face->SetEditable(editable);
        TFaceInfo info;
        paper.GetFaceInfo(j, info);
        face->SetFaceInfo(info);
        site.AddObject(std::move(face));
    }
}
