#pragma once
// Records that the paper database keeps per paper beside the paper itself: the extra
// information (maker, purpose, corner size) and the pattern images (objects that show the
// pre-printed design of a sheet, per label).
#include "core/persistent/component.h"

#include <QByteArrayList>
#include <memory>

class TExtraPaperInfo : public TComponent {
    LR_CLASS(TExtraPaperInfo, TComponent)
public:
    TExtraPaperInfo() = default;

    // The paper the record belongs to.
    QString PaperName() const { return paperName_; }
    void SetPaperName(const QString& name) { paperName_ = name; }

    // An empty record is not stored.
    virtual bool IsEmpty() const = 0;
    // True when both records write the same component stream.
    virtual bool Equals(const TExtraPaperInfo& other) const;
    // A new record of the same class with the same values.
    std::unique_ptr<TExtraPaperInfo> Clone() const;

    void AssignTo(TPersistent& target) const override;

private:
    QString paperName_;
};

// The extra information of a paper: its purpose, its maker and its corner size.
class TExPaperInfo : public TExtraPaperInfo {
    LR_CLASS(TExPaperInfo, TExtraPaperInfo)
public:
    TExPaperInfo() = default;

    QString Purpose() const { return purpose_; }
    void SetPurpose(const QString& purpose) { purpose_ = purpose; }
    // The paper's maker.
    QString Company() const { return company_; }
    void SetCompany(const QString& company) { company_ = company; }
    int RoundSize() const { return roundSize_; }
    void SetRoundSize(int size) { roundSize_ = size; }

    // Empty when purpose and maker are empty and the corner size is 0.
    bool IsEmpty() const override;
    void AssignTo(TPersistent& target) const override;

private:
    QString purpose_;
    QString company_;
    int roundSize_ = 0;
};

// The pattern images of a paper: per label (counted from 0 here, from 1 in the database)
// an object list in its stored form: a 32-bit little-endian count, then each object as a
// component stream. The document and the draw site turn them into objects.
class TImagePaperInfo : public TExtraPaperInfo {
    LR_CLASS(TImagePaperInfo, TExtraPaperInfo)
public:
    TImagePaperInfo() = default;

    bool SeparatelyDesign() const { return separatelyDesign_; }
    void SetSeparatelyDesign(bool separately) { separatelyDesign_ = separately; }
    int LabelCount() const { return labelCount_; }
    void SetLabelCount(int count) { labelCount_ = count; }

    // The stored object lists, one per label.
    const QByteArrayList& ObjectLists() const { return objectLists_; }
    void SetObjectLists(const QByteArrayList& lists) { objectLists_ = lists; }
    // The number of objects an object list holds (0 for a list too short to tell).
    static int ObjectCount(const QByteArray& objectList);

    // Empty when no label has an object.
    bool IsEmpty() const override;
    // Equal streams and equal object lists.
    bool Equals(const TExtraPaperInfo& other) const override;
    void AssignTo(TPersistent& target) const override;

private:
    bool separatelyDesign_ = true;
    int labelCount_ = 0;
    QByteArrayList objectLists_;
};
