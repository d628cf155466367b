#pragma once
// TPapersV2: the paper database with its extension stores (per-paper extra information and
// pattern images), the update record, the maker and group order and the global text tables.
#include "catalogue/database/extra_info_store.h"
#include "catalogue/database/papers.h"
#include "catalogue/database/paper_update.h"

#include <optional>

class TPapersV2 : public TPapers {
public:
    // Opens the database (see TPapers) and reads or creates the update record and the maker
    // and group lists.
    TPapersV2(const QString& fileName, bool workOnCopy, bool readOnly);
    ~TPapersV2() override;

    // Attaches the two extension stores "ExtraInfos" and "PaperImages".
    void AttachExtensionStores();
    void AttachStore(std::unique_ptr<TExtraInfoBase> store);
    const std::vector<std::unique_ptr<TExtraInfoBase>>& Stores() const { return stores_; }

    // A copy of the paper's record in the named store, or nullptr.
    std::unique_ptr<TExtraPaperInfo> ExtraInfo(const QString& storeName, const QString& paperName);
    // Replaces the record of its paper (ignored for a record without paper name); an empty
    // record just removes the old one.
    void SetExtraInfo(const QString& storeName, const TExtraPaperInfo& record);
    void DeleteExtraInfo(const QString& storeName, const QString& paperName);

    const TPaperUpdate& UpdateInfo() const { return update_; }
    void SetUpdateInfo(const TPaperUpdate& update);

    // Maker and group names in display order.
    const QStringList& CompanyList() const { return companies_; }
    void SetCompanyList(const QStringList& companies);
    const QStringList& GroupList() const { return groups_; }
    void SetGroupList(const QStringList& groups);

    // The lines of the global table "GlobalInfo\" + name; empty when it is absent.
    QStringList GlobalText(const QString& name);
    void SetGlobalText(const QString& name, const QStringList& lines);
    // Copies every global table of the source, replacing the tables of the same names.
    void CopyGlobalInfo(TPapersV2& source);

    // The browser tab that "GenreInfo" gives the group, or nothing. The table is read once
    // and read again after the update number has changed.
    std::optional<QString> GenreTab(const QString& group);
    // Whether the group's tab is a direct-print tab.
    bool IsDirectPrintGroup(const QString& group);
    // A read-only paper of a direct-print group: printed straight onto a disc.
    bool IsDirectPrintPaper(const TPaperInfo& paper);

protected:
    void PaperDeleted(const QString& paperName) override;

private:
    TExtraInfoBase* Store(const QString& storeName) const;
    QStringList ReadList(const QString& path);

    TPaperUpdate update_;
    QStringList companies_;
    QStringList groups_;
    std::vector<std::unique_ptr<TExtraInfoBase>> stores_;
    std::optional<QStringList> genres_;
    int genresPPRNo_ = 0;
};
