#pragma once
// The bounds a paper's geometry must keep. Papers come from files (catalogues, documents,
// exchange files) and their faces are turned into regions with one rectangle per row and
// into rectangles whose corners are sums of these values: a paper outside these bounds is
// refused when it is read, so nothing later has to guard its arithmetic.
class TFaceInfo;

// The largest length (sheet size, face size, offset, gap, bleed, hole, corner) in logical
// units: one metre, well above any sheet a desktop printer takes.
inline constexpr int kMaxPaperLength = 10000;
// The most faces a paper may have.
inline constexpr int kMaxPaperFaces = 1000;
// The most purposes a purpose list (a paper's or a database's catalogue) may hold.
inline constexpr int kMaxPurposes = 1000;

// Fails with the stream format's invalid-value error unless 0 <= value <= kMaxPaperLength.
void CheckPaperSize(int value);
// Fails unless -kMaxPaperLength <= value <= kMaxPaperLength.
void CheckPaperOffset(int value);
// Fails unless the list holds at most kMaxPurposes purposes.
void CheckPurposeCount(int count);
// Checks the bleed, hole and corner sizes of a face description (none may be negative).
void CheckFaceTraits(const TFaceInfo& face);
