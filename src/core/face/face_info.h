#pragma once
// TFaceInfo: the geometry of one label face on a paper: its nominal (trim) rectangle, its
// outline shape, the bleed margin around it, the centre hole, the corner size of rounded
// shapes and the purpose of the face. It answers the face's derived rectangles, its
// region and its drawing.
#include "core/face/face_shape.h"
#include "core/canvas/rect.h"

#include <QRegion>
#include <QString>

class TCanvas;

class TFaceInfo : public TPersistent {
    LR_CLASS(TFaceInfo, TPersistent)
public:
    TFaceInfo() = default;
    TFaceInfo(const TFaceInfo& other);
    TFaceInfo& operator=(const TFaceInfo& other);

    // --- fields ---------------------------------------------------------------------------
    // The nominal outline's bounding box on the sheet.
    TRect FaceRect() const { return faceRect_; }
    void SetFaceRect(const TRect& rect) { faceRect_ = rect; }
    int CutCenterWidth() const { return cutCenterWidth_; }
    void SetCutCenterWidth(int width) { cutCenterWidth_ = width; }
    int CutCenterHeight() const { return cutCenterHeight_; }
    void SetCutCenterHeight(int height) { cutCenterHeight_ = height; }
    TFaceShape FaceShape() const { return faceShape_; }
    void SetFaceShape(TFaceShape shape) { faceShape_ = shape; }
    QString FacePurpose() const { return facePurpose_; }
    void SetFacePurpose(const QString& purpose) { facePurpose_ = purpose; }
    // Bleed: the printable area reaches this far outside the outline and into the hole.
    int FaceMargin() const { return faceMargin_; }
    void SetFaceMargin(int margin) { faceMargin_ = margin; }
    TCenterShape CenterShape() const { return centerShape_; }
    void SetCenterShape(TCenterShape shape) { centerShape_ = shape; }
    // Width and height of the corner ellipse of rounded shapes.
    int RoundSize() const { return roundSize_; }
    void SetRoundSize(int size) { roundSize_ = size; }
    // Sets both hole dimensions.
    void SetCutCenterSize(int size);

    // --- derived geometry -------------------------------------------------------------------
    // The face rectangle grown by the margin on every side: the printable area.
    TRect OuterRect() const;
    // Stores the rectangle shrunk by the margin as the face rectangle.
    void SetOuterRect(const TRect& outer);
    // The hole, centred in the face rectangle (offsets truncated toward zero).
    TRect HoleRect() const;
    // The hole shrunk by the margin: the part of the hole left unprinted.
    TRect InnerHoleRect() const;
    bool HasHole() const;
    bool IsRounded() const;

    // Converts a face type number of old paper data into shape and purpose; unknown
    // numbers change nothing.
    void SetLegacyType(int type);

    // --- region and drawing -----------------------------------------------------------------
    // The outline of the outer rectangle as a region: in the canvas's device pixels (under
    // its current mapping) when a canvas is given, else in logical units. With withHole,
    // the inner hole is cut out of faces that have one.
    QRegion CreateRegion(const TCanvas* canvas, bool withHole) const;
    // With the canvas's pen and brush: the outline on the outer rectangle, then the hole
    // shape on the inner hole rectangle; withCross adds a 100-unit cross centred on the
    // inner hole. atOrigin shifts everything so that the outer rectangle starts at (0, 0).
    void DrawFace(TCanvas& canvas, bool atOrigin, bool withCross) const;
    // The nominal cut lines inside the bleed: the outline on the face rectangle and the
    // hole shape on the hole rectangle. Nothing without a margin.
    void DrawTrimLines(TCanvas& canvas, bool atOrigin) const;
    // The hole shape on the inner hole rectangle (used to blank the hole after a fill).
    void DrawHole(TCanvas& canvas) const;

    void AssignTo(TPersistent& target) const override;
    friend bool operator==(const TFaceInfo& a, const TFaceInfo& b);

private:
    void DrawOutlines(TCanvas& canvas, const TRect& outline, const TRect* hole, QPoint shift) const;

    TRect faceRect_;
    int cutCenterWidth_ = 410;
    int cutCenterHeight_ = 410;
    TFaceShape faceShape_ = fsRect;
    QString facePurpose_;
    int faceMargin_ = 0;
    TCenterShape centerShape_ = csEllipse;
    int roundSize_ = 100;
};
