#pragma once
// What a label document hands to the objects it loads: date fields get the document's
// dates, background pictures get the face they fill. Object types above the document
// answer these interfaces; the document only queries them.
#include <QDateTime>
#include <memory>

class TDrawObject;
class TFaceInfo;

enum class TDateUpdateFlag { dufNo = 0, dufOpen = 1, dufPrint = 2, dufSave = 3 };

// A date field that shows one of the document's dates.
class IDocumentDateObject {
public:
    virtual TDateUpdateFlag UpdateFlag() const = 0;
    virtual void SetDate(const QDateTime& date) = 0;

protected:
    ~IDocumentDateObject() = default;
};

// A background picture clipped to its face.
class IBackgroundImageObject {
public:
    // No frame, a plain white solid fill and no blend picture: nothing worth storing.
    virtual bool IsEmptyBackground() const = 0;
    // The face it fills and the size of the face's rectangle.
    virtual void SetFace(const TFaceInfo& face, int width, int height) = 0;
    // A background of the current kind with the same properties, or nullptr when this
    // object is of the current kind already.
    virtual std::unique_ptr<TDrawObject> CurrentKind() const = 0;

protected:
    ~IBackgroundImageObject() = default;
};
