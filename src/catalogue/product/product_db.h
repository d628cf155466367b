#pragma once
// The product database: creator records (Japanese and English), three reserved records
// and the product records, each stored as a component stream in a name list of a compound
// file. The file is edited in a temporary working copy and written back when modified.
#include "catalogue/product/product_info.h"

#include <QString>
#include <memory>

class TTemporaryStorage;
class TDocNameList;

class TProductDB {
public:
    // fileName may hold macros ("$(ProductDB)"); it is expanded on Load.
    explicit TProductDB(const QString& fileName);
    ~TProductDB();
    TProductDB(const TProductDB&) = delete;
    TProductDB& operator=(const TProductDB&) = delete;

    // Reads the file into the working copy, or builds a new database when there is no
    // file: the two creator records and empty records up to the first product. Unmodified.
    void Load();
    const QString& FileName() const { return fileName_; }

    int ProductCount() const;
    void GetProduct(int index, TProductInfo& record) const;
    void GetCreatorJapanese(TProductInfo& record) const;
    void GetCreatorEnglish(TProductInfo& record) const;
    // The entry holding the record's GUID, or -1.
    int IndexOf(const TProductInfo& record) const;
    // The product number of the record (entry − 5), or -1 when it is no product.
    int ProductIndex(const TProductInfo& record) const;
    // Rewrites the entry of the record's GUID in place, or adds a new entry.
    void Save(const TProductInfo& record);
    // Removes the entry of the record's GUID, if any.
    void Delete(const TProductInfo& record);

    bool Modified() const { return modified_; }
    // Writes the working copy to the file when modified (or to another file when given).
    void WriteBack(const QString& fileName = {});
    // Writes the working copy to a file, modified or not.
    void SaveTo(const QString& fileName);

private:
    void ReadEntry(int entry, TProductInfo& record) const;
    void WriteEntry(int entry, const TProductInfo& record);
    void Require() const;

    QString fileName_;
    std::unique_ptr<TTemporaryStorage> storage_;
    std::unique_ptr<TDocNameList> names_;
    bool modified_ = false;
};

// The program's product database (set by the application start-up; nullptr before).
TProductDB* ProductDatabase();
void SetProductDatabase(TProductDB* database);
