#include "shell/data_module.h"

#include "catalogue/database/copy_papers.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/product/product_db.h"
#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "document/direct_print/effective_paper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QString kMissingFile = QStringLiteral("アプリケーションに必要なファイル「%s」が開けませんでした");

// Reports a data file that could not be opened, by its name without folder.
bool ReportMissing(const QString& path)
{
    ShowMessageBox(FormatText(kMissingFile, {QFileInfo(path).fileName()}));
    return false;
}

} // namespace

TdataMain::TdataMain() = default;

TdataMain::~TdataMain()
{
    if (ProductDatabase() == productDB_.get())
        SetProductDatabase(nullptr);
    if (DirectPrintCatalogue() == papers_.get())
        SetDirectPrintCatalogue(nullptr);
}

QString TdataMain::UserPaperFile()
{
    return Expand(QStringLiteral("$(UserPaperInfo)"));
}

QString TdataMain::UserProductFile()
{
    return Expand(QStringLiteral("$(UserPreferenceFolder)")) + QFileInfo(Expand(QStringLiteral("$(ProductDB)"))).fileName();
}

bool TdataMain::OpenDataFiles()
{
    // The system catalogue, read-only, with its extension stores and the user's papers.
    const QString systemPapers = Expand(QStringLiteral("$(SystemPaperInfo)"));
    if (!QFileInfo(systemPapers).isFile())
        return ReportMissing(systemPapers);
    std::unique_ptr<TPapersV2> papers;
    try {
        papers = std::make_unique<TPapersV2>(systemPapers, true, true);
        papers->AttachExtensionStores();
        if (QFileInfo(UserPaperFile()).isFile()) {
            TPapersV2 userPapers(UserPaperFile(), true, true);
            userPapers.AttachExtensionStores();
            CopyPapers(*papers, userPapers, true);
        }
        papers->SetModified(false);
    } catch (const EAppError&) {
        return ReportMissing(systemPapers);
    }

    // The product database: the user's copy when there is one, else the shipped one.
    const QString systemProducts = Expand(QStringLiteral("$(ProductDB)"));
    const QString products = QFileInfo(UserProductFile()).isFile() ? UserProductFile() : systemProducts;
    if (!QFileInfo(products).isFile())
        return ReportMissing(systemProducts);
    auto productDB = std::make_unique<TProductDB>(products);
    try {
        productDB->Load();
    } catch (const EAppError&) {
        return ReportMissing(products);
    }

    papers_ = std::move(papers);
    productDB_ = std::move(productDB);
    SetProductDatabase(productDB_.get());
    SetDirectPrintCatalogue(papers_.get());
    return true;
}

void TdataMain::Shutdown()
{
    try {
        if (papers_ && papers_->IsModified()) {
            // The user papers go into a fresh file beside the user file, which then takes
            // its place: the old user papers stay intact until the new file is complete.
            const QString target = UserPaperFile();
            const QString fresh = target + QStringLiteral(".new");
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::remove(fresh);
            {
                TPapersV2 userPapers(fresh, true, false);
                userPapers.AttachExtensionStores();
                CopyPapers(userPapers, *papers_, true);
                userPapers.Close();
            }
            if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0)
                throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(target));
        }
        if (productDB_ && productDB_->Modified()) {
            QDir().mkpath(QFileInfo(UserProductFile()).absolutePath());
            productDB_->WriteBack(UserProductFile());
        }
    } catch (const std::exception& error) {
        ShowError(error);
    }
}
