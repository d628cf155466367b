#pragma once
// TColorSpecHistory: the colour specifications last used in the colour dialog, newest first,
// in a compound file ("$(ColorSpecHistory)"):
//   ColorSpec\NameList   the name list of the entries, index 0 the newest; each name is the
//                        entry's key (history_key.h)
//   ColorSpec\<name>     the fill, a component stream of a TColorSpecWrapper under
//                        the resource name "TColorSpecWrapper"
//   Preview\<name>       its 48 x 48 sample as a PNG image in the picture stream form
// Each operation opens the file and closes it again. Changes are made in a working copy that
// then replaces the file, so that a failure never leaves a half-written history behind.
#include "core/persistent/component.h"

class TColorSpec;
class TPictureEx;

class TColorSpecHistory : public TComponent {
    LR_CLASS(TColorSpecHistory, TComponent)
public:
    static constexpr int kDefaultLimit = 10;

    // Filename starts as "$(ColorSpecHistory)" expanded, or empty when the application's
    // macros do not define it.
    TColorSpecHistory();

    // The most entries kept; a limit below 0 keeps none.
    int Limit() const { return limit_; }
    void SetLimit(int limit) { limit_ = limit; }
    QString Filename() const { return filename_; }
    void SetFilename(const QString& filename) { filename_ = filename; }

    // Puts the fill at the front: an entry with its key moves there, otherwise a
    // new entry is made (the file and its folder are created when missing). Then the oldest
    // entries beyond the limit are dropped.
    void AddToHistory(const TColorSpec& spec);
    // Removes entry index with its fill and preview.
    void DeleteEntry(int index);
    // Reads entry index into the fill; it is left as it was when reading fails.
    void LoadFromHistory(int index, TColorSpec& spec) const;
    // The preview of entry index; any failure leaves the picture empty.
    void LoadPreview(int index, TPictureEx& picture) const;
    // The number of entries, 0 when the file cannot be read.
    int HistoryCount() const;
    // Deletes the file.
    void ClearHistory();

private:
    int limit_ = kDefaultLimit;
    QString filename_;
};

// Whether the user keeps a colour history (the setting "UseColorSpecHistory", on by
// default).
bool UseColorSpecHistory();
