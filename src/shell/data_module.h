#pragma once
// The application's data: the paper database (the system catalogue with the user's papers
// merged in) and the product database, opened at start-up in order and written back at
// shutdown.
#include <QString>
#include <memory>

class TPapersV2;
class TProductDB;

class TdataMain {
public:
    TdataMain();
    ~TdataMain();
    TdataMain(const TdataMain&) = delete;
    TdataMain& operator=(const TdataMain&) = delete;

    // Opens the data files. A missing or unreadable file is reported with the system's
    // message and false is returned; nothing is left half-open.
    bool OpenDataFiles();
    // Writes the user papers and the product database back when they changed.
    void Shutdown();

    TPapersV2& Papers() const { return *papers_; }
    TProductDB& ProductDB() const { return *productDB_; }

    // Where the user's own copies live: the system files are installed read-only here, so
    // the user's papers and products are kept in the user's folder.
    static QString UserPaperFile();
    static QString UserProductFile();

private:
    std::unique_ptr<TPapersV2> papers_;
    std::unique_ptr<TProductDB> productDB_;
};
