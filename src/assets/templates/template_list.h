#pragma once
// The template catalogue's lists: the labels of template documents that fit a label face
// (matched by the face's purpose and the aspect class of its rectangle), and the user's
// favourite templates kept as a CSV file.
#include <QString>
#include <memory>
#include <vector>

class TFaceInfo;
struct TRect;

// One label of a template document, or a whole file that was not looked into.
struct TTemplateInfo {
    QString FileName; // full path
    int Sheet = 0;
    int Label = 0;
    bool WholeFile = false;

    // Equal file names ignoring case, and equal sheet, label and flag.
    friend bool operator==(const TTemplateInfo& a, const TTemplateInfo& b);
};

// 0 (square) when 0.9 < width / height < 1.1, 1 (landscape) when wider than high, else 2
// (portrait).
int AspectClass(const TRect& rect);

// Whether a file name has a template document's extension (".cld", ".clt", ".cjd").
bool IsTemplateFile(const QString& fileName);

class TTemplateList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TTemplateInfo& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    const std::vector<TTemplateInfo>& Items() const { return items_; }
    void Add(const TTemplateInfo& info) { items_.push_back(info); }
    void Clear() { items_.clear(); }
    // The index of an equal entry, or -1.
    int IndexOf(const TTemplateInfo& info) const;

    // The folder favourites are stored relative to.
    const QString& BaseFolder() const { return baseFolder_; }
    void SetBaseFolder(const QString& folder) { baseFolder_ = folder; }
    // Folder scans then add one whole-file entry per template file without opening it.
    bool ListFilesOnly() const { return listFilesOnly_; }
    void SetListFilesOnly(bool only) { listFilesOnly_ = only; }

    // Adds the labels of one template document that fit the face (every label without a
    // face), restricted to one sheet and label when these are not negative. A document
    // without a fitting label adds one whole-file entry when no face is given or the face's
    // purpose is "*". A document that cannot be read adds nothing.
    void ScanFile(const QString& fileName, const TFaceInfo* face, int sheet = -1, int label = -1);
    // Clears the list and scans every template file of the folder.
    void ScanFolder(const QString& folder, const TFaceInfo* face);

    // --- favourites (a CSV file, one row per entry) -----------------------------------------
    // Adds the file's entries that are not yet in the list; a missing file adds nothing.
    void LoadFavorites(const QString& path);
    // Replaces the file with the entries, making its folder when it is missing; false when
    // it cannot be written.
    bool SaveFavorites(const QString& path) const;
    // Keeps only the entries whose file still exists and whose label fits the face.
    void Refresh(const TFaceInfo* face);
    // Reloads the file, adds the entry when it is new and saves; then refreshes. Returns the
    // message to show ("お気に入りに追加しました" or "このテンプレートは登録済みです"); a
    // failed save raises the error.
    QString AddFavorite(const QString& path, const TTemplateInfo& info, const TFaceInfo* face);
    // Reloads the file, removes the entry, saves and refreshes; a failed save raises the error.
    void DeleteFavorite(const QString& path, const TTemplateInfo& info, const TFaceInfo* face);

private:
    std::vector<TTemplateInfo> items_;
    QString baseFolder_;
    bool listFilesOnly_ = false;
};

// The user's favourites file, "$(FavoriteTemplate)"; empty when the application defines no
// such file.
QString FavoriteTemplateFile();

// The favourites' messages.
QString FavoriteAddedMessage();
QString FavoriteExistsMessage();
QString NoFavoritesMessage();
