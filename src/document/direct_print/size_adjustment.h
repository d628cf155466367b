#pragma once
// The user's adjustment of a disc's outer and inner diameter for one catalogue paper and
// one printer model: two signed values in logical units (0.1 mm), kept in the settings
// under "$(SizeAdjustKey)\.<paper name>" as "<model>.Inner" and "<model>.Outer". The
// stored values are kept as the user set them; what is used is clamped to what the disc
// and the model allow.
#include <QString>

class TPaperInfo;
struct TDirectPrinterModel;

struct TSizeAdjustment {
    int Inner = 0;
    int Outer = 0;
    bool operator==(const TSizeAdjustment&) const = default;
};

// The settings key of a paper: the name is one key segment, whatever it contains.
QString SizeAdjustKeyPath(const QString& paperName);

// The stored values (missing values are 0).
TSizeAdjustment ReadStoredSizeAdjustment(const QString& paperName, const QString& model);
// Stores both values; every document's effective paper follows.
void WriteSizeAdjustment(const QString& paperName, const QString& model, const TSizeAdjustment& adjustment);
// A number that changes with every write: derived geometry compares it to know it is stale.
int SizeAdjustmentGeneration();

// Clamps an adjustment of a disc with native inner size a and outer size b: each value to
// ±10 mm, the outer size to 120 mm and to the model's largest, the inner size to at least
// 0 and the model's smallest, and a ring of at least 5 mm: the outer value rises for it
// while the outer cap allows, else the inner value falls. model may be nullptr.
TSizeAdjustment ClampSizeAdjustment(TSizeAdjustment stored, int a, int b, const TDirectPrinterModel* model);

// The clamped adjustment of a paper (its name, its group as the model, its first face's
// hole width as a and face width as b).
TSizeAdjustment ReadSizeAdjustment(const TPaperInfo& paper, const TDirectPrinterModel* model);

// The ranges of the adjustment dialog's spins for the current values; a range whose ends
// cross becomes the fixed value on the safe side (the outer cap, the inner floor).
struct TAdjustmentRange {
    int Minimum = 0;
    int Maximum = 0;
    bool Enabled() const { return !(Minimum == 0 && Maximum == 0) && Minimum != Maximum; }
};
TAdjustmentRange OuterAdjustmentRange(int a, int b, int inner, const TDirectPrinterModel* model);
TAdjustmentRange InnerAdjustmentRange(int a, int b, int outer, const TDirectPrinterModel* model);
