#pragma once
// Face purposes: what a face is for (a disc face, a case cover, a tray card, a square
// label), with the face shapes that suit each purpose. Papers carry the purposes they know;
// the paper database keeps the catalogue of all purposes.
#include "core/persistent/collection.h"
#include "core/persistent/component.h"
#include "core/face/face_shape.h"

#include <QStringList>
#include <memory>

// The set of face shapes, one bit per TFaceShape.
using TFaceShapes = int;
extern const TTypeInfo FaceShapesType;

constexpr TFaceShapes FaceShapeBit(TFaceShape shape)
{
    return 1 << shape;
}

class TPurposeInfo : public TCollectionItem {
    LR_CLASS(TPurposeInfo, TCollectionItem)
public:
    TPurposeInfo() = default;

    QString ID() const { return id_; }
    void SetID(const QString& id) { id_ = id; }
    QString DisplayName() const { return displayName_; }
    void SetDisplayName(const QString& name) { displayName_ = name; }
    // The face shapes suited to the purpose.
    TFaceShapes ShapeMask() const { return shapeMask_; }
    void SetShapeMask(TFaceShapes mask) { shapeMask_ = mask; }

private:
    QString id_;
    QString displayName_;
    TFaceShapes shapeMask_ = 0;
};

class TPurposeList : public TCollection {
    LR_CLASS(TPurposeList, TCollection)
public:
    explicit TPurposeList(TPersistent* owner = nullptr);

    TPurposeInfo* Purpose(int index) const { return ItemAs<TPurposeInfo>(index); }
    TPurposeInfo* AddPurpose(const QString& id, const QString& displayName, TFaceShapes shapes);

    // The index of the purpose with that identifier (case-insensitive, searching from the
    // last entry), or -1.
    int IndexOf(const QString& id) const;
    // Adds every purpose of the other list whose identifier is not present yet, then lets
    // the purpose validator filter the list. Reports whether anything was added.
    bool Merge(const TPurposeList& other);
    // Appends every display name, in order.
    void DisplayNames(QStringList& names) const;
    // Replaces the purposes by the default catalogue: "CD" for discs, "CDCover",
    // "CDCaseTray" and "MOSquare" for rectangles, and one empty purpose.
    void SetDefault();

    // Copies the source's purposes, then lets the purpose validator filter them.
    void Assign(const TPersistent& source) override;
};

// The component that carries a purpose list in a stream of its own (the database's
// purpose catalogue), as its published property "List".
class TPLStreamer : public TComponent {
    LR_CLASS(TPLStreamer, TComponent)
public:
    TPLStreamer() = default;

    TPurposeList* List() { return list_.get(); }
    const TPurposeList* List() const { return list_.get(); }
    // The list read from a stream is filtered by the purpose validator.
    void Loaded() override;

private:
    std::unique_ptr<TPurposeList> list_ = std::make_unique<TPurposeList>(this);
};
