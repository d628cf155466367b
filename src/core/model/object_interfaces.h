#pragma once
// Capabilities that object types offer beyond the base classes; callers query them with
// dynamic_cast.
#include "core/canvas/rect.h"

#include <QString>
#include <type_traits>

class QImage;
class TCanvas;

// Objects painted through the blended path with an opacity (text, image, rectangle, line
// and alpha-mask objects).
class IBlendable {
public:
    virtual void SetBlendShade(bool shade) = 0;
    virtual bool BlendShade() const = 0;
    virtual void SetBlendRatio(int ratio) = 0;
    virtual int BlendRatio() const = 0;

protected:
    ~IBlendable() = default;
};

// The logical rectangle of an object.
class IDOBounds {
public:
    virtual TRect LogicalRect() const = 0;

protected:
    ~IDOBounds() = default;
};

// Moving and resizing by the enclosing bounds.
class IDOEncloseBounds {
public:
    virtual void MoveBy(int dx, int dy) = 0;
    virtual void Resize(int width, int height) = 0;
    virtual TRect GetBounds() const = 0;

protected:
    ~IDOEncloseBounds() = default;
};

// A logical rectangle that can be read and set side by side.
class IDORect {
public:
    virtual int Left() const = 0;
    virtual void SetLeft(int value) = 0;
    virtual int Top() const = 0;
    virtual void SetTop(int value) = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool KeepAspect() const = 0;

protected:
    ~IDORect() = default;
};

// Drag feedback: the object painted onto a foreign canvas, or its outline.
class IDODrawGhost {
public:
    virtual void PaintTo(TCanvas& canvas) = 0;
    virtual void DrawOutline(TCanvas& canvas) = 0;

protected:
    ~IDODrawGhost() = default;
};

// Rotation in whole degrees.
class IDORotate {
public:
    virtual int Angle() const = 0;
    virtual void SetAngle(int angle) = 0;

protected:
    ~IDORotate() = default;
};

// A line between two end points.
class IDOLine {
public:
    virtual QPoint StartPoint() const = 0;
    virtual void SetStartPoint(QPoint point) = 0;
    virtual QPoint EndPoint() const = 0;
    virtual void SetEndPoint(QPoint point) = 0;

protected:
    ~IDOLine() = default;
};

// An arc through a start, a bulge and an end point; edits happen between BeginEdit and
// EndEdit, so that the object settles its shape once. An object may withhold the curve for
// a time (CurveAvailable false): callers then treat it as not offering one (AvailableCurve).
class IDOCurve {
public:
    virtual bool CurveAvailable() const { return true; }
    virtual QPoint StartPoint() const = 0;
    virtual void SetStartPoint(QPoint point) = 0;
    virtual QPoint EndPoint() const = 0;
    virtual void SetEndPoint(QPoint point) = 0;
    virtual QPoint BulgePoint() const = 0;
    virtual void SetBulgePoint(QPoint point) = 0;
    virtual void BeginEdit() = 0;
    virtual void EndEdit() = 0;

protected:
    ~IDOCurve() = default;
};

// The object's curve while it offers one.
template <class T>
auto* AvailableCurve(T* object)
{
    using Curve = std::conditional_t<std::is_const_v<T>, const IDOCurve, IDOCurve>;
    auto* curve = dynamic_cast<Curve*>(object);
    return curve && curve->CurveAvailable() ? curve : nullptr;
}

// Objects that can size themselves to their content.
class IDOAutoSize {
public:
    virtual bool AutoSize() const = 0;
    virtual void SetAutoSize(bool autoSize) = 0;

protected:
    ~IDOAutoSize() = default;
};

// Text that can be written vertically.
class IDOVertText {
public:
    virtual bool Vertical() const = 0;
    virtual void SetVertical(bool vertical) = 0;

protected:
    ~IDOVertText() = default;
};

// Objects whose content the wizard asks the user to fill in.
class IWizardInput {
public:
    virtual bool WizInputEnable() const = 0;
    virtual void SetWizInputEnable(bool enable) = 0;
    virtual QString WizInputCaption() const = 0;
    virtual void SetWizInputCaption(const QString& caption) = 0;

protected:
    ~IWizardInput() = default;
};

// Objects made by a paste that take the clipboard's text as their own (text objects).
class IDOPasteText {
public:
    virtual void SetPastedText(const QString& text) = 0;

protected:
    ~IDOPasteText() = default;
};

// Objects made by a paste that take the clipboard's picture (image objects); the image
// keeps its alpha channel, so transparent pixels stay transparent.
class IDOPastePicture {
public:
    virtual void SetPastedPicture(const QImage& image) = 0;

protected:
    ~IDOPastePicture() = default;
};
