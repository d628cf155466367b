#include "text/distortion/cdd_file.h"

#include "core/error.h"
#include "core/persistent/guid_bytes.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "platform/replace_file.h"
#include "text/distortion/coons_distortion.h"

namespace {

const QString kNameListPath = QStringLiteral("CoonsDistortionData\\NameList");

} // namespace

TCDDFile::TCDDFile(const QString& fileName)
    : storage_(std::make_unique<TFileStorage>(fileName, fmOpenRead | fmShareDenyWrite)),
      names_(std::make_unique<TDocNameList>(*storage_, kNameListPath))
{
}

TCDDFile::~TCDDFile() = default;

int TCDDFile::Count() const
{
    return names_->Count();
}

void TCDDFile::LoadPattern(int index, TCoonsDistortion& distortion) const
{
    const std::unique_ptr<TDocStream> stream = names_->OpenStream(index, fmOpenRead);
    distortion.SetData(ReadWholeStream(*stream));
}

int TCDDFile::PatternIndexOf(const TCoonsDistortion& distortion) const
{
    if (distortion.IsEmpty())
        return -1;
    for (int i = 0; i < Count(); ++i) {
        try {
            const std::unique_ptr<TDocStream> stream = names_->OpenStream(i, fmOpenRead);
            char guid[kGuidSize];
            if (stream->Read(guid, kGuidSize) == kGuidSize && GuidFromBytes(guid) == distortion.Id())
                return i;
        } catch (const EAppError&) {
            // A pattern that cannot be read is nobody's match.
        }
    }
    return -1;
}

void TCDDFile::Save(const QString& fileName, const std::vector<const TCoonsDistortion*>& patterns)
{
    SaveReplacingFile(fileName, [&](const QString& temporaryPath) {
        TFileStorage storage(temporaryPath, fmCreate);
        TDocNameList names(storage, kNameListPath);
        for (const TCoonsDistortion* pattern : patterns) {
            names.AddNewName();
            const QByteArray data = pattern->Data();
            names.OpenStream(names.Count() - 1, fmCreate)->Write(data.constData(), data.size());
        }
        storage.Commit();
    });
}
