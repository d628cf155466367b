#pragma once
// The extension stores of the paper database: per-paper records kept in a storage of their
// own, one element per paper that has a record, named like the papers' streams. A record is
// found by the paper name it carries.
#include "catalogue/database/extra_paper_info.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <memory>
#include <optional>
#include <unordered_map>

class TDocStorage;
class TRootStorage;

class TExtraInfoBase {
public:
    // A store whose records are storages (storageElements) or streams.
    TExtraInfoBase(TRootStorage& root, const QString& storageName, bool storageElements);
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
    // The names of the records' elements (storages or streams) in stored order.
    QStringList ElementNames();
    // The name for a new element: one past the highest number in use.
    QString TakeElementName();
    // Notes that an element is gone (the next number may fall back to the highest left).
    void ElementRemoved(const QString& element);

private:
    TRootStorage& root_;
    QString storageName_;
    bool storageElements_;
    std::unique_ptr<TDocStorage> storage_;
    std::optional<quint64> next_;
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

    std::unordered_map<QString, TCached> cache_; // by paper name
    std::optional<QStringList> elements_;
    qsizetype unread_ = 0; // the first element not read yet
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

    // The element of each paper's record, from one reading of every "ImageInfo"; where two
    // records name one paper, the first in stored order counts.
    std::optional<QHash<QString, QString>> elements_;
    QSet<QString> sharedNames_; // names that more than one record carries
};
