#include "catalogue/database/papers_ui.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/database/text_tables.h"

#include <QSet>

namespace {

const QString kExtraInfos = QStringLiteral("ExtraInfos");

// The values each once, those of the order list first in its order, then the rest in
// order of appearance.
QStringList Ordered(const QStringList& order, const QStringList& values)
{
    const QSet<QString> present(values.cbegin(), values.cend());
    QSet<QString> listed;
    QStringList result;
    const auto add = [&](const QString& value) {
        if (present.contains(value) && !listed.contains(value)) {
            listed.insert(value);
            result.append(value);
        }
    };
    for (const QString& value : order)
        add(value);
    for (const QString& value : values)
        add(value);
    return result;
}

QString OrNotSet(const QString& text)
{
    return text.isEmpty() ? TPapersUI::NotSet() : text;
}

} // namespace

TPapersUI::TPapersUI(TPapersV2& papers, const QStringList& tabs, int historyTab, int defaultTab, int userTab,
                     const QStringList& usedPapers)
    : historyTab_(historyTab), companyOrder_(papers.CompanyList()), groupOrder_(papers.GroupList()),
      synonyms_(papers.GlobalText(QStringLiteral("SearchExtKeyInfo")))
{
    for (int i = 0; i < papers.Count(); ++i) {
        const TPaperInfo& paper = papers.Paper(i);
        TPaperRecord record;
        record.Index = i;
        record.Name = paper.PaperName();
        record.Group = paper.GroupName();
        record.UserPaper = !paper.ReadOnly();
        record.DirectPrint = papers.IsDirectPrintPaper(paper);
        const std::unique_ptr<TExtraPaperInfo> extra = papers.ExtraInfo(kExtraInfos, record.Name);
        const auto* info = dynamic_cast<const TExPaperInfo*>(extra.get());
        record.Maker = OrNotSet(info ? info->Company() : QString());
        record.Purpose = OrNotSet(info ? info->Purpose() : QString());
        if (record.UserPaper) {
            record.Tab = userTab;
        } else {
            // Only the genre tabs take system papers; the history and user tabs do not.
            const int tab = static_cast<int>(tabs.indexOf(papers.GenreTab(record.Group).value_or(QString())));
            record.Tab = tab >= 0 && tab != historyTab && tab != userTab ? tab : defaultTab;
        }
        records_.push_back(record);
        used_.push_back(usedPapers.contains(record.Name));
    }
}

QString TPapersUI::NotSet()
{
    return QStringLiteral("未設定");
}

TPaperRows TPapersUI::TabRows(int tab) const
{
    TPaperRows rows;
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i].Tab == tab || (tab == historyTab_ && used_[i]))
            rows.push_back(&records_[i]);
    return rows;
}

TPaperRows TPapersUI::Search(const QString& text) const
{
    TPaperRows rows;
    for (const TPaperRecord& record : records_)
        if (PaperNameMatches(record.Name, text, synonyms_))
            rows.push_back(&record);
    return rows;
}

QStringList TPapersUI::Makers(const TPaperRows& rows) const
{
    QStringList makers;
    for (const TPaperRecord* record : rows)
        makers.append(record->Maker);
    return Ordered(companyOrder_, makers);
}

QStringList TPapersUI::Groups(const TPaperRows& rows) const
{
    QStringList groups;
    for (const TPaperRecord* record : rows)
        groups.append(record->Group);
    return Ordered(groupOrder_, groups);
}

QStringList TPapersUI::FilterMakers() const
{
    TPaperRows rows;
    for (const TPaperRecord& record : records_)
        if (!record.DirectPrint)
            rows.push_back(&record);
    return Makers(rows);
}
