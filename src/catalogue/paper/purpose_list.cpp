#include "catalogue/paper/purpose_list.h"

#include "catalogue/paper/paper_limits.h"
#include "catalogue/paper/purpose_validator.h"

#include <QSet>

const TTypeInfo FaceShapesType{"TFaceShapes", {}, false, &FaceShapeType};

LR_DEFINE_CLASS(TPurposeInfo, TCollectionItem, LR_CREATABLE(TPurposeInfo),
    prop::String("ID", &Self::ID, &Self::SetID),
    prop::String("DisplayName", &Self::DisplayName, &Self::SetDisplayName),
    prop::Set("ShapeMask", &Self::ShapeMask, &Self::SetShapeMask, FaceShapesType))

LR_DEFINE_CLASS(TPurposeList, TCollection, LR_ABSTRACT)

LR_DEFINE_CLASS(TPLStreamer, TComponent, LR_CREATABLE(TPLStreamer),
    prop::Object("List", &Self::List, &Self::List, TPropKind::Collection))

TPurposeList::TPurposeList(TPersistent* owner) : TCollection(TPurposeInfo::StaticClassInfo(), owner)
{
}

TPurposeInfo* TPurposeList::AddPurpose(const QString& id, const QString& displayName, TFaceShapes shapes)
{
    auto* purpose = static_cast<TPurposeInfo*>(Add());
    purpose->SetID(id);
    purpose->SetDisplayName(displayName);
    purpose->SetShapeMask(shapes);
    return purpose;
}

int TPurposeList::IndexOf(const QString& id) const
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Purpose(i)->ID().compare(id, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TPurposeList::Merge(const TPurposeList& other)
{
    // The identifiers present, folded as the case-insensitive comparison folds them.
    QSet<QString> present;
    for (int i = 0; i < Count(); ++i)
        present.insert(Purpose(i)->ID().toCaseFolded());
    bool added = false;
    for (int i = 0; i < other.Count(); ++i) {
        const TPurposeInfo* purpose = other.Purpose(i);
        if (present.contains(purpose->ID().toCaseFolded()))
            continue;
        present.insert(purpose->ID().toCaseFolded());
        Add()->Assign(*purpose);
        added = true;
    }
    FilterPurposes(*this);
    return added;
}

void TPurposeList::DisplayNames(QStringList& names) const
{
    for (int i = 0; i < Count(); ++i)
        names.append(Purpose(i)->DisplayName());
}

void TPurposeList::SetDefault()
{
    const TFaceShapes disc = FaceShapeBit(fsDoughnut) | FaceShapeBit(fsEllipse);
    const TFaceShapes rectangle = FaceShapeBit(fsRect) | FaceShapeBit(fsRoundRect);
    Clear();
    AddPurpose(QStringLiteral("CD"), QStringLiteral("CD"), disc);
    AddPurpose(QStringLiteral("CDCover"), QStringLiteral("CDCover"), rectangle);
    AddPurpose(QStringLiteral("CDCaseTray"), QStringLiteral("CDCaseTray"), rectangle);
    AddPurpose(QStringLiteral("MOSquare"), QStringLiteral("MOSquare"), rectangle);
    AddPurpose(QString(), QString(), 0);
}

void TPurposeList::Assign(const TPersistent& source)
{
    TCollection::Assign(source);
    FilterPurposes(*this);
}

void TPLStreamer::Loaded()
{
    TComponent::Loaded();
    CheckPurposeCount(list_->Count());
    FilterPurposes(*list_);
}
