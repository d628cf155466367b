#pragma once
// TPrintSpec: what one print run prints: copies, the faces, the extras drawn with them
// (outlines, cut lines, the paper's printed pattern, soft edges), the fine offset, the
// rendering resolution and the tone. The sheet print dialog's values, remembered while
// the program runs, fill it; the fine offset and its switch are also kept in the settings.
#include <QPoint>
#include <cstdint>
#include <vector>

// The fine offset's range on each axis, in logical units (0.1 mm).
inline constexpr int kMaxPrintOffset = 100;
inline constexpr int kMaxPrintCopies = 99;
// A rendering resolution override is 0 (none) or lies in this range (dots per inch).
inline constexpr int kMinPrintResolution = 72;
inline constexpr int kMaxPrintResolution = 2400;

struct TPrintSpec {
    int Copies = 1;
    std::vector<std::uint8_t> FaceSelected;
    bool PrintFrame = false;
    bool PrintCutLine = false;
    bool PrintPaperImage = false;
    QPoint Offset; // left, top
    bool AllFaces = true;
    int Resolution = 0;
    double Gamma = 0;
    bool BlurEdge = false;

    // Whether face a is printed.
    bool Prints(int face) const;
    // Raises EAppError when a value lies outside its range (copies, resolution, tone,
    // offset), before anything is printed.
    void Check() const;
};

// The tone of a thickness level: 0 → 0, 1 → 0.15, 2 → 0.3, 3 → 0.45, −1 → −0.1, −2 → −0.2,
// −3 → −0.3. Raises EAppError for any other level.
double ToneLevelGamma(int level);
// Whether a tone is one of the levels' (exact within rounding).
bool IsToneLevelGamma(double gamma);

// The sheet print dialog's values, kept until the program ends.
struct TPrintDialogValues {
    int Copies = 1;
    bool PrintFrame = false;
    bool PrintCutLine = false;
    bool PrintPaperImage = false;
    bool BlurEdge = false;
    bool AllFaces = true;
    std::vector<std::uint8_t> FaceChoice; // one byte per face of the paper it was made for
    QPoint Offset;                        // left, top
    bool OffsetEnabled = true;
};

// The remembered values; the offset and its switch come from the settings
// ("PrintLeftOffset", "PrintTopOffset", "PrintOffsetEnabled") when the dialog is made.
TPrintDialogValues& RememberedPrintValues();
// Reads the offset settings into the values, each clamped to the dialog's range.
void ReadPrintOffsetSettings(TPrintDialogValues& values);
void WritePrintOffsetSettings(const TPrintDialogValues& values);
// The face choice for a paper of faceCount faces: the remembered one when it was made for
// as many faces, else none chosen.
std::vector<std::uint8_t> FaceChoiceFor(const TPrintDialogValues& values, int faceCount);

// The print request made from the dialog's values. A direct-print paper prints no outlines, cut
// lines or paper pattern; a disabled offset prints at (0, 0); a paper of one face prints
// it.
TPrintSpec MakePrintSpec(const TPrintDialogValues& values, int faceCount, bool directPrint, int toneLevel = 0);

// Rendering settings: "Banding" (1: render in bands at 254 dpi, else straight onto the
// printer's page at its resolution).
struct TRenderSettings {
    bool Banding = true;
    static TRenderSettings Read();
};
