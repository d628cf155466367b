#pragma once
// The extension stores of the paper database: per-paper records kept in a storage of their
// own, one element per paper that has a record, named like the papers' streams. A record is
// found by the paper name it carries.
#include "catalogue/database/extra_paper_info.h"

#include <QStringList>
#include <memory>
#include <vector>

class TDocStorage;
class TRootStorage;

class TExtraInfoBase {
public:
    TExtraInfoBase(TRootStorage& root, const QString& storageName);
    TExtraInfoBase(const TExtraInfoBase&) = delete;
    TExtraInfoBase& operator=(const TExtraInfoBase&) = delete;
    virtual ~TExtraInfoBase();

    const QString& StorageName() const { return storageName_; }

    // A copy of the paper's record, or nullptr when it has none.
    virtual std::unique_ptr<TExtraPaperInfo> Get(const QString& paperName) = 0;
    // Replaces the record of its paper: the old one is removed, and the new one is written
    // as a new element numbered after the highest unless it is empty.
    virtual void Save(const TExtraPaperInfo& record) = 0;
    // Removes the paper's record, if any.
    virtual void Delete(const QString& paperName) = 0;

protected:
    // The storage of the records, created when asked for; nullptr when it does not exist.
    TDocStorage* Storage(bool create);
    // The names of the records' elements in stored order.
    QStringList ElementNames(bool storages);
    // The name for a new element.
    QString NewElementName(bool storages);

private:
    TRootStorage& root_;
    QString storageName_;
    std::unique_ptr<TDocStorage> storage_;
};

// The extra information ("ExtraInfos"): one component stream per paper. Records are kept
// in a cache that fills as lookups read further streams in stored order.
class TExInfoBase : public TExtraInfoBase {
public:
    TExInfoBase(TRootStorage& root, const QString& storageName = QStringLiteral("ExtraInfos"));

    std::unique_ptr<TExtraPaperInfo> Get(const QString& paperName) override;
    void Save(const TExtraPaperInfo& record) override;
    void Delete(const QString& paperName) override;

private:
    struct TCached {
        QString Element;
        std::unique_ptr<TExtraPaperInfo> Record;
    };

    // The cached record of the paper, reading further streams until it is found.
    TCached* Find(const QString& paperName);
    void ListElements();

    std::vector<TCached> cache_;
    QStringList unread_; // elements not read yet, in stored order
    bool listed_ = false;
};

// The pattern images ("PaperImages"): one storage per paper holding "ImageInfo" and, for
// label i (from 1), the stream "$%.8x" of i with the label's object list. Records are found
// by reading each storage's "ImageInfo" in turn.
class TImageInfoBase : public TExtraInfoBase {
public:
    TImageInfoBase(TRootStorage& root, const QString& storageName = QStringLiteral("PaperImages"));

    std::unique_ptr<TExtraPaperInfo> Get(const QString& paperName) override;
    void Save(const TExtraPaperInfo& record) override;
    void Delete(const QString& paperName) override;

private:
    // The element of the paper's record, or an empty text.
    QString FindElement(const QString& paperName);
};
