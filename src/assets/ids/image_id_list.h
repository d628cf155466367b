#pragma once
// Identifier lists of the shipped collections: an INI file (".ids") beside a collection's
// catalogue maps asset files to the short identifiers of the printed material manual. Each
// section is a folder relative to the collection's root, searched in file order; its keys
// name asset files without extension ("NAME", or "NAME,sheet,label" for one label of a
// template), its values are the identifiers. Keys beginning with "ShortStyleDefine" define
// a numbered range of keys and identifiers at once. Both sides are upper-cased, so lookups
// ignore case (full-width letters too).
#include "core/frame/ini_text.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One section: the folder and its keys and identifiers, entry i of one for entry i of the other.
class TIDHolder {
public:
    // Loads the section; a range definition with a field that is no integer fails with the
    // integer parser's error, one of more than 100000 entries with its own.
    TIDHolder(const TIniText& ini, const QString& section);

    const QString& Folder() const { return folder_; }
    const QStringList& Keys() const { return keys_; }
    const QStringList& Values() const { return values_; }
    // Whether a file lies in this holder's folder: the folder, upper-cased and with a trailing
    // separator, first occurs in the file's upper-cased directory exactly at its end.
    bool MatchesFile(const QString& filePath) const;
    // The identifier of a key, or empty.
    QString ValueOf(const QString& key) const;

private:
    void AddRange(const QString& definition);

    QString folder_;
    QStringList keys_;
    QStringList values_;
};

// A label of a template document.
struct TTemplateLabelRef {
    QString File;
    int Sheet = 0;
    int Label = 0;
};

class TImageIDList {
public:
    // The list of an ".ids" file already located; a missing file gives an empty list.
    explicit TImageIDList(const QString& path);
    // The same from the file's bytes.
    static std::unique_ptr<TImageIDList> FromBytes(const QByteArray& bytes);
    ~TImageIDList();

    bool Empty() const { return sections_.isEmpty(); }
    int Count() const { return static_cast<int>(sections_.size()); }
    // Holder k, loading every holder before it first (nullptr beyond the last).
    const TIDHolder* Holder(int index);
    int LoadedCount() const { return static_cast<int>(holders_.size()); }

    // The identifier of one label of a template file, or empty.
    QString IdOfTemplate(const TTemplateLabelRef& label);
    // The identifier of a plain asset file, or empty.
    QString IdOfFile(const QString& filePath);
    // The template label an identifier names: its file (holder folder joined with the key's
    // first field, without extension), sheet and label (0 when absent or not numbers).
    bool TemplateOfId(const QString& id, TTemplateLabelRef& label);
    // The asset an identifier names: the holder folder joined with the whole key (without
    // extension), or empty.
    QString AssetPathOfId(const QString& id);

private:
    TImageIDList(TIniText ini);
    const TIDHolder* HolderOfFile(const QString& filePath);
    // The first holder listing the identifier and the key's index there.
    std::pair<const TIDHolder*, int> FindId(const QString& id);

    TIniText ini_;
    QStringList sections_;
    std::vector<std::unique_ptr<TIDHolder>> holders_;
};

// Joins a holder folder and a key's file part with "/" (the folder's "\" become "/").
QString JoinAssetPath(const QString& folder, const QString& name);

// The browsers' messages on an identifier search.
QString IdNotFoundMessage(const QString& id);
QString TemplateDoesNotFitMessage(const QString& id);
