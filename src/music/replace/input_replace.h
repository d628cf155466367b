#pragma once
// Bulk editing of record lines (fields separated by tabs): find and replace over every
// line, conversion of every line to full-width, half-width, upper or lower case, and a way
// back to the lines as they were handed in. Changes accumulate until undone.
#include <QStringList>

class TAlbumInfo;

class TInputReplace {
public:
    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return working_; }
    const QStringList& InitialLines() const { return initial_; }

    // Whether anything changed since the lines were handed in (or since the last undo).
    bool CanUndo() const { return changed_; }
    void Undo();

    // Replaces every occurrence, left to right without overlap; matches may span a tab.
    // Without strict comparison hiragana and katakana, and upper and lower case, compare
    // equal (character widths do not).
    void ReplaceAll(const QString& search, const QString& replacement, bool strict);
    void ToFullWidth();
    void ToHalfWidth();
    void ToUpper();
    void ToLower();

private:
    void Convert(QString (*convert)(const QString&));

    QStringList initial_;
    QStringList working_;
    bool changed_ = false;
};

// The comparison key of the replacement: hiragana turned into katakana and each character
// upper-cased, keeping every character's position.
QString ReplaceKey(const QString& text);

// An album as record lines: title, artist, then "title\ttime\tartist\talbum" per track.
QStringList AlbumReplaceLines(const TAlbumInfo& album);
// Writes edited lines back in the same layout; fields missing from a line leave the
// track's values as they were.
void ApplyReplaceLines(const QStringList& lines, TAlbumInfo& album);
