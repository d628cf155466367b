#pragma once
// The media rules of the paper database's "PrinterSetting" table, an INI text read in
// memory (sections and keys compare without regard to case). For a maker M:
//   [M.PrinterGroup]          driver (model) name = model group
//   [M.<driver>.Paper.<n>]    paper name | "@@<kind>default" | "@@default" = media
//   [M.<group>.Paper.<n>]     likewise
//   [M.Paper.<n>]             likewise
// with n = 0…9; a series of numbered sections ends at the first that lacks the key.
#include "core/frame/ini_text.h"

#include <QString>
#include <QStringList>

class TPrinterSettingRules {
public:
    explicit TPrinterSettingRules(const QStringList& lines = {}) : ini_(TIniText::FromLines(lines)) {}

    // The media names to try for a paper, best first: the paper's name in the driver's,
    // the group's and the maker's numbered sections, then the media kind's default and the
    // general default in the maker's numbered sections.
    QStringList MediaCandidates(const QString& maker, const QString& driver, const QString& paperName,
                                const QString& mediaKind) const;

private:
    void Collect(const QString& prefix, const QString& key, QStringList& candidates) const;

    TIniText ini_;
};
