#pragma once
// The faces on a site: counting, finding and selecting them, and creating one face object
// per face of a paper.
#include "core/face/face_object.h"

class TDrawSiteModel;

// What a paper tells about its faces: their number and the description of each.
class IPaperFaces {
public:
    virtual int FaceCount() const = 0;
    virtual void GetFaceInfo(int index, TFaceInfo& info) const = 0;

protected:
    ~IPaperFaces() = default;
};

// The number of face objects among the site's objects.
int FaceCount(const TDrawSiteModel& site);
// The n-th face object among the site's objects (counted from 0 in z-order), or nullptr.
TLOFace* FaceAt(const TDrawSiteModel& site, int index);
// The index of the face among the faces of its site, or -1 when it is on none.
int FaceIndex(const TLOFace& face);
// The first face whose face selection is on, or nullptr.
TLOFace* FirstSelectedFace(const TDrawSiteModel& site);
// Selects face n (nothing when there is no such face).
void SelectFace(TDrawSiteModel& site, int index);

// Adds one face object per face of the paper to the site, in face order: an instance of
// faceClass (TLOFace or a descendant) with the exclusive and editable flags and the
// paper's description of that face.
void CreateFaces(TDrawSiteModel& site, const IPaperFaces& paper, bool exclusive,
                 const TClassInfo& faceClass = TLOFace::StaticClassInfo(), bool editable = false);
