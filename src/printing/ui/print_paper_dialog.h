#pragma once
// TfrmPrintPaper: the sheet print dialog. It shows the paper with its faces, the copies,
// the extras (outlines, cut lines, the paper's pattern, soft edges), all faces or the
// chosen ones, and the fine offset. Its values are remembered while the program runs;
// the offset and its switch also go to the settings when printing starts.
#include "printing/pipeline/print_request.h"
#include "printing/ui/confirm_printer_dialog.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TPaperInfo;
class TPaperSite;

// What the dialog asks of the application.
struct TPrintPaperHooks {
    // The application's printer-setup command.
    std::function<void()> PrinterSetup;
    // The chosen printer's driver (model) name.
    std::function<QString()> DriverName;
    // The name of the paper's size on the chosen printer; empty when none is known.
    std::function<QString()> FormName;
    // Asks what to do when a direct-print paper's model is not the printer's; the
    // confirmation window when not given.
    std::function<TConfirmPrinterResult(const QString& model, const QString& driver)> ConfirmPrinter;
};

class TfrmPrintPaper : public QDialog {
    Q_OBJECT
public:
    // directPrint: the paper is printed straight onto a disc (no outlines, cut lines or
    // pattern, and the printer must be the paper's model).
    TfrmPrintPaper(const TPaperInfo& paper, bool directPrint, TPrintPaperHooks hooks, QWidget* parent = nullptr);

    // The print request from the remembered values (after OK: the dialog's).
    TPrintSpec Spec() const;

    TPaperSite* Site() const { return site_; }
    QSpinBox* CopiesBox() const { return copies_; }
    QCheckBox* FrameBox() const { return frame_; }
    QCheckBox* CutLineBox() const { return cutLine_; }
    QCheckBox* PaperImageBox() const { return paperImage_; }
    QCheckBox* BlurEdgeBox() const { return blurEdge_; }
    QRadioButton* AllFacesButton() const { return allFaces_; }
    QRadioButton* ChosenFacesButton() const { return chosenFaces_; }
    QCheckBox* OffsetBox() const { return offsetEnabled_; }
    QDoubleSpinBox* LeftOffsetBox() const { return left_; }
    QDoubleSpinBox* TopOffsetBox() const { return top_; }
    QPushButton* PrinterSetupButton() const { return printerSetup_; }

    // Runs the start checks; closes with OK when they pass.
    void accept() override;

private:
    void ShowFaceChoice();
    void FaceClicked(int face);
    bool PrinterConfirmed();
    bool MediaLoaded();
    TPrintDialogValues Values() const;

    const TPaperInfo& paper_;
    bool directPrint_;
    TPrintPaperHooks hooks_;
    std::vector<std::uint8_t> choice_;

    TPaperSite* site_;
    QSpinBox* copies_;
    QCheckBox* frame_;
    QCheckBox* cutLine_;
    QCheckBox* paperImage_;
    QCheckBox* blurEdge_;
    QRadioButton* allFaces_;
    QRadioButton* chosenFaces_;
    QCheckBox* offsetEnabled_;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QPushButton* printerSetup_;
};
