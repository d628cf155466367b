#pragma once
// TPapersUI: the paper browser's view of the paper database: one record per paper with its
// name, group, maker and purpose, the tab it belongs to, the choice lists of makers and
// groups, and the search over paper names.
#include <QStringList>
#include <vector>

class TPapersV2;

struct TPaperRecord {
    int Index = -1; // in the database
    QString Name;
    QString Group;
    QString Maker;   // the maker of the extra information, or "未設定"
    QString Purpose; // the purpose of the extra information, or "未設定"
    bool UserPaper = false;
    bool DirectPrint = false;
    int Tab = -1; // the tab of the paper's group, the default tab or the user tab
};

using TPaperRows = std::vector<const TPaperRecord*>;

class TPapersUI {
public:
    // The records of every paper of the database. System papers go to the tab that
    // "GenreInfo" maps their group to (the default tab when it maps to none of the tabs),
    // user papers to the user tab; the history tab also shows the papers named in
    // usedPapers, in database order.
    TPapersUI(TPapersV2& papers, const QStringList& tabs, int historyTab, int defaultTab, int userTab,
              const QStringList& usedPapers);

    // The text for a maker or purpose that a paper does not name.
    static QString NotSet();

    const std::vector<TPaperRecord>& Records() const { return records_; }
    // The rows of a tab, in database order.
    TPaperRows TabRows(int tab) const;
    // The rows whose paper name matches the search text (normalised, with the synonyms of
    // "SearchExtKeyInfo"); none for an empty text.
    TPaperRows Search(const QString& text) const;

    // The makers, respectively groups, of the rows, each once: first in the database's
    // order, then the others in order of appearance.
    QStringList Makers(const TPaperRows& rows) const;
    QStringList Groups(const TPaperRows& rows) const;
    // The makers of every paper that is not a direct-print paper.
    QStringList FilterMakers() const;

private:
    int historyTab_;
    std::vector<TPaperRecord> records_;
    std::vector<bool> used_;
    QStringList companyOrder_;
    QStringList groupOrder_;
    QStringList synonyms_;
};
