#include "catalogue/paper/face_extras.h"

#include "core/face/face_info.h"
#include "core/stream/reader.h"
#include "core/stream/writer.h"

#include <cstdint>

namespace {

int ReadInt32(TReader& reader)
{
    const std::int64_t value = reader.ReadInteger();
    if (value < INT32_MIN || value > INT32_MAX)
        TReader::FailInvalidValue();
    return static_cast<int>(value);
}

} // namespace

bool HoleSizesStored(const TFaceInfo& face)
{
    return face.CutCenterWidth() != face.CutCenterHeight();
}

void DefineFaceExtras(TFiler& filer, TFaceInfo& face)
{
    const int size = face.CutCenterWidth();
    filer.DefineProperty(
        "CutCenter",
        [&face](TReader& reader) {
            const int value = ReadInt32(reader);
            face.SetCutCenterSize(value == 0 ? kDefaultCutCenter : value);
        },
        [size](TWriter& writer) { writer.WriteInteger(size); },
        !HoleSizesStored(face) && size != kDefaultCutCenter);
    filer.DefineProperty(
        "FaceType", [&face](TReader& reader) { face.SetLegacyType(ReadInt32(reader)); }, nullptr, false);
}
