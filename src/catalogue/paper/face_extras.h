#pragma once
// The stored form that matrix papers and free papers' faces share beyond their published
// properties: the hole sizes are written as the two properties CutCenterWidth and
// CutCenterHeight only when they differ; a square hole other than the usual 410 units is
// written as the extra "CutCenter"; old data may carry a face type number as "FaceType".
class TFaceInfo;
class TFiler;

inline constexpr int kDefaultCutCenter = 410;

// Whether the two hole properties are written (then each only when not 410).
bool HoleSizesStored(const TFaceInfo& face);
// Declares "CutCenter" (a value of 0 reads as 410) and "FaceType" (read only, converted
// into shape and purpose).
void DefineFaceExtras(TFiler& filer, TFaceInfo& face);
