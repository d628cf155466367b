#pragma once
// TCDDFile: the distortion pattern file, a compound file whose name list
// "CoonsDistortionData\NameList" names one stream per pattern in the storage
// "CoonsDistortionData"; each stream holds a distortion's binary form.
#include <QString>
#include <memory>
#include <vector>

class TCoonsDistortion;
class TDocNameList;
class TFileStorage;

class TCDDFile {
public:
    // Opens the file read-only with its name list; a missing or damaged file raises the
    // error of the compound-file layer.
    explicit TCDDFile(const QString& fileName);
    ~TCDDFile();

    int Count() const;
    // Reads pattern index into the distortion, replacing everything including the GUID. A
    // damaged pattern raises the stream read error and leaves the distortion as it was.
    void LoadPattern(int index, TCoonsDistortion& distortion) const;
    // The first pattern with the distortion's GUID; -1 for an empty distortion or when no
    // readable pattern has it.
    int PatternIndexOf(const TCoonsDistortion& distortion) const;

    // Writes a pattern file holding the patterns in this order; the file is replaced only
    // once the new one is complete.
    static void Save(const QString& fileName, const std::vector<const TCoonsDistortion*>& patterns);

private:
    std::unique_ptr<TFileStorage> storage_;
    std::unique_ptr<TDocNameList> names_; // declared after the storage it lives in, so it closes first
};
