#pragma once
// The global text tables of the paper database: lines of the form name=value (genre tabs,
// name migrations), and pairs of lines (search synonyms).
#include <QStringList>
#include <optional>

// The value after the first "=" of the first line whose name (before it) equals name,
// compared without regard to case; nothing when no line has that name.
std::optional<QString> TableValue(const QStringList& lines, const QString& name);

// The name mapped through the table, or the name itself when the table does not list it.
QString MappedName(const QStringList& lines, const QString& name);

// Whether a tab of the paper browser holds direct-print papers (papers printed straight
// onto a disc): its name begins with "ダイレクトプリント".
bool IsDirectPrintTab(const QString& tab);

// The form in which search texts and paper names are compared: half-width characters made
// full-width, hiragana folded onto katakana, upper case.
QString PaperSearchKey(const QString& text);

// Whether a paper name matches a search text: the normalised text occurs in the normalised
// name, or the text equals line 2k of the synonym table and the name contains line 2k+1.
bool PaperNameMatches(const QString& paperName, const QString& searchText, const QStringList& synonyms);
