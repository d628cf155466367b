#pragma once
// The genre catalogue of the templates ("Template.dat", an INI file): one section per face
// purpose, whose "Dir" and "Name" keys list the genre folders (relative to the catalogue's
// folder) and their display names, comma-separated and pairwise.
#include "core/frame/ini_text.h"

#include <QStringList>

class TTemplateGroup {
public:
    // The catalogue at a path already located; a missing file gives a catalogue without
    // genres (Found() false).
    explicit TTemplateGroup(const QString& path);
    // The shipped catalogue, located in the data folder.
    static TTemplateGroup Shipped();

    bool Found() const { return found_; }
    const QString& Folder() const { return folder_; }
    const QString& Purpose() const { return purpose_; }
    // Reads the genres of a purpose; a missing section leaves none.
    void SetPurpose(const QString& purpose);
    int Count() const { return static_cast<int>(names_.size()); }
    const QStringList& Names() const { return names_; }
    // Genre k's folder: the catalogue folder joined with its "Dir" entry, as found on disk
    // (empty when it does not exist).
    QString GenreFolder(int index) const;
    // The genre whose folder holds the file, or -1.
    int GenreOfFile(const QString& filePath) const;
    // The template document a path relative to the catalogue's folder names, without
    // extension: identifier lists keep names upper-cased, so every part of the path is
    // matched ignoring case, and any template extension is taken. Empty when none exists.
    QString LocateTemplate(const QString& relativePath) const;

private:
    TIniText ini_;
    QString folder_;
    QString purpose_;
    QStringList dirs_;
    QStringList names_;
    bool found_ = false;
};

// The catalogue's name inside the data folder and the warning shown when it is missing.
QString TemplateCatalogueName();
QString TemplateCatalogueMissingMessage();
