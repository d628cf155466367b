#pragma once
// TDirectPrinterInfo: the printer models that print onto discs in a tray, from the paper
// database's "DirectPrinter" table (an XML text, root "DirectPrinterInfo", one
// "PrinterData" element per model). It gives each model's tray geometry and limits, tells
// whether a paper suits a model and makes a paper's copy for a model. All lengths are
// logical units (0.1 mm).
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TPaperInfo;
class TPapersV2;

struct TDirectPrinterModel {
    QString Name;
    int TrayWidth = 0;
    int TrayHeight = 0;
    int CenterX = 0;
    int CenterY = 0;
    int MaxOuterWidth = 0;
    int MaxOuterHeight = 0;
    int MinInnerWidth = 0;
    int MinInnerHeight = 0;
    QStringList FaceShapes; // shape identifiers ("fsDoughnut", ...)
    QStringList Purposes;   // purpose names
};

class TDirectPrinterInfo {
public:
    // Reads the XML text in memory. A text that is not a well-formed catalogue yields no
    // models and an error text; a model without name is skipped.
    explicit TDirectPrinterInfo(const QString& xml);
    // The table of the paper database.
    static TDirectPrinterInfo FromCatalogue(TPapersV2& papers);

    QString Error() const { return error_; }
    QStringList ModelNames() const;
    const std::vector<TDirectPrinterModel>& Models() const { return models_; }

    // Selects a model by name (exact comparison); false, with none selected, when absent.
    bool Select(const QString& name);
    const TDirectPrinterModel* Selected() const { return selected_; }

    // Whether the paper is a direct-print paper whose first face's shape and first
    // purpose the selected model accepts.
    bool Suits(TPapersV2& papers, const TPaperInfo& paper) const;
    // A copy of the paper for the selected model: named into the model's group, the tray's
    // size, the first face's hole at least the model's smallest, its outline at most the
    // model's largest and centred on the disc centre. nullptr without a selection.
    std::unique_ptr<TPaperInfo> CopyForModel(const TPaperInfo& paper) const;

private:
    std::vector<TDirectPrinterModel> models_;
    const TDirectPrinterModel* selected_ = nullptr;
    QString error_;
};

// The purpose of a paper that models are matched on: its first purpose's identifier and
// display name (either may be listed), else its first face's purpose.
QStringList FirstPurposeNames(const TPaperInfo& paper);

// The model that a document of the removed group "Direct Print" moves to: the separate
// direct-print tool's last printer when the catalogue knows it, else the model last chosen
// in the paper selection, else the catalogue's first model (empty without models).
QString MigrationModel(const TDirectPrinterInfo& printers, const QString& lastPrinter, const QString& lastSelected);
