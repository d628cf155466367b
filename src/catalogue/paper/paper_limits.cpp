#include "catalogue/paper/paper_limits.h"

#include "core/face/face_info.h"
#include "core/stream/reader.h"

void CheckPaperSize(int value)
{
    if (value < 0 || value > kMaxPaperLength)
        TReader::FailInvalidValue();
}

void CheckPaperOffset(int value)
{
    if (value < -kMaxPaperLength || value > kMaxPaperLength)
        TReader::FailInvalidValue();
}

void CheckPurposeCount(int count)
{
    if (count > kMaxPurposes)
        TReader::FailInvalidValue();
}

void CheckFaceTraits(const TFaceInfo& face)
{
    CheckPaperSize(face.FaceMargin());
    CheckPaperSize(face.CutCenterWidth());
    CheckPaperSize(face.CutCenterHeight());
    CheckPaperSize(face.RoundSize());
}
