#pragma once
// TPatternPicker: the list of the distortion patterns of a pattern file, each shown by its
// cell of the thumbnail strip. The pattern file stays open while the picker exists. A
// missing or damaged file leaves the list empty and says why in FileError.
#include <QListWidget>
#include <memory>

class TCDDFile;
class TCoonsDistortion;

class TPatternPicker : public QListWidget {
    Q_OBJECT
public:
    // stripFile: the thumbnail strip; without it the thumbnails are drawn from the patterns.
    TPatternPicker(const QString& patternFile, const QString& stripFile, QWidget* parent = nullptr);
    ~TPatternPicker() override;

    // Why the list is empty or a pattern did not load ("" when all went well).
    const QString& FileError() const { return error_; }

    // Selects the pattern with the distortion's identity; clears the selection when none has it.
    void SelectPatternOf(const TCoonsDistortion& distortion);
    // Reads the selected pattern into the distortion; false (distortion unchanged) when none
    // is selected or the pattern cannot be read, FileError then saying why.
    bool LoadSelected(TCoonsDistortion& distortion);

private:
    void AddThumbnails(const QString& stripFile);

    std::unique_ptr<TCDDFile> file_;
    QString error_;
};
