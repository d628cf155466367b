#pragma once
// TPaperInfo: one printable medium, a label sheet with its faces or a printable disc. The
// two kinds are TMatrixPaperInfo (identical faces in a regular grid) and TFreePaperInfo
// (faces listed one by one). All lengths are logical units; face geometry is kept in
// portrait sheet coordinates and turned when the sheet is used in landscape.
#include "catalogue/paper/purpose_list.h"
#include "core/persistent/component.h"
#include "core/face/face_info.h"
#include "core/face/face_site.h"

#include <QSize>
#include <memory>

class TPaperInfo : public TComponent, public IPaperFaces {
    LR_CLASS(TPaperInfo, TComponent)
public:
    TPaperInfo();
    ~TPaperInfo() override;

    // --- published ------------------------------------------------------------------------
    // The sheet is used turned by 90 degrees.
    bool Landscape() const { return landscape_; }
    void SetLandscape(bool landscape) { landscape_ = landscape; }
    // The sheet size as used: the portrait size, swapped in landscape.
    int Width() const { return landscape_ ? portraitHeight_ : portraitWidth_; }
    void SetWidth(int width);
    int Height() const { return landscape_ ? portraitWidth_ : portraitHeight_; }
    void SetHeight(int height);
    // The unique name of the paper in its catalogue.
    QString PaperName() const { return paperName_; }
    void SetPaperName(const QString& name) { paperName_ = name; }
    // The group (maker or media family) the paper is browsed under.
    QString GroupName() const { return groupName_; }
    void SetGroupName(const QString& name) { groupName_ = name; }
    // A system paper that the user can neither edit nor delete.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The purposes this paper knows.
    TPurposeList* PurposeList() { return purposeList_.get(); }
    const TPurposeList* PurposeList() const { return purposeList_.get(); }
    // Whether the purpose list is written with the paper (only in the paper database).
    bool StoresPurposeList() const { return storesPurposeList_; }
    void SetStoresPurposeList(bool stores) { storesPurposeList_ = stores; }

    int PortraitWidth() const { return portraitWidth_; }
    void SetPortraitWidth(int width) { portraitWidth_ = width; }
    int PortraitHeight() const { return portraitHeight_; }
    void SetPortraitHeight(int height) { portraitHeight_ = height; }

    // --- faces, in portrait sheet coordinates ------------------------------------------------
    int FaceCount() const override = 0;
    virtual TFaceShape FaceShape(int index) const = 0;
    // The stored purpose identifier as the purpose validator translates it.
    QString FacePurpose(int index) const;
    // The nominal rectangle of the face.
    virtual TRect FaceRect(int index) const = 0;
    virtual int FaceMargin(int index) const = 0;
    virtual QSize CutCenterSize(int index) const = 0;
    virtual int RoundSize(int index) const = 0;
    virtual TCenterShape CenterShape(int index) const = 0;

    // --- faces on the sheet as used ------------------------------------------------------------
    // A portrait rectangle turned into landscape coordinates when the sheet is landscape.
    TRect ToSheet(const TRect& portrait) const;
    // The reverse of ToSheet.
    TRect FromSheet(const TRect& sheet) const;
    // The face rectangle grown by the bleed, on the sheet as used.
    TRect FaceSheetRect(int index) const;
    // The face description: margin, face rectangle, shape, purpose, centre shape, corner
    // and hole, turned (rectangle and hole sizes) for a landscape sheet.
    void GetFaceInfo(int index, TFaceInfo& info) const override;

    // --- checks for the paper editors ------------------------------------------------------------
    // The first face that is not entirely on the sheet (bleed included), or -1.
    int FirstFaceOutside() const;
    // The first face whose outline (bleed included, hole ignored) shares area with the
    // faces before it, or -1. Faces that only touch do not overlap.
    int FirstOverlappingFace() const;

    // A new paper of the same class with the same values.
    std::unique_ptr<TPaperInfo> Clone() const;

    // Copies the portrait size, names, read-only flag, orientation and purposes; the kinds
    // add their own parts for a target of the same kind.
    void AssignTo(TPersistent& target) const override;
    // A paper read from a stream: its purposes are filtered and its bounds are checked.
    void Loaded() override;

protected:
    // The purpose identifier as stored.
    virtual QString StoredFacePurpose(int index) const = 0;
    // Fails with the stream format's invalid-value error when the paper holds too many
    // purposes or a value lies outside the paper bounds (paper_limits.h).
    virtual void CheckBounds() const;

private:
    bool landscape_ = false;
    int portraitWidth_ = 0;
    int portraitHeight_ = 0;
    QString paperName_;
    QString groupName_;
    bool readOnly_ = false;
    bool storesPurposeList_ = false;
    std::unique_ptr<TPurposeList> purposeList_;
};
