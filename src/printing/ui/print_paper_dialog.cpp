#include "printing/ui/print_paper_dialog.h"

#include "catalogue/paper/paper_info.h"
#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "editing/ui/paper_site.h"
#include "printing/ui/print_paper_face.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

QDoubleSpinBox* OffsetSpin(QWidget* parent, int value)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(1);
    spin->setSingleStep(0.1);
    spin->setRange(-kMaxPrintOffset / 10.0, kMaxPrintOffset / 10.0);
    spin->setSuffix(QStringLiteral(" mm"));
    spin->setValue(value / 10.0);
    return spin;
}

int OffsetUnits(const QDoubleSpinBox* spin)
{
    return static_cast<int>(std::lround(spin->value() * 10));
}

bool AnyChosen(const std::vector<std::uint8_t>& choice)
{
    return std::any_of(choice.begin(), choice.end(), [](std::uint8_t chosen) { return chosen != 0; });
}

} // namespace

TfrmPrintPaper::TfrmPrintPaper(const TPaperInfo& paper, bool directPrint, TPrintPaperHooks hooks, QWidget* parent)
    : QDialog(parent), paper_(paper), directPrint_(directPrint), hooks_(std::move(hooks))
{
    setWindowTitle(QStringLiteral("印刷"));
    TPrintDialogValues& values = RememberedPrintValues();
    ReadPrintOffsetSettings(values);
    const int faceCount = paper.FaceCount();
    choice_ = FaceChoiceFor(values, faceCount);

    site_ = new TPaperSite(this);
    site_->SetFaceClass(TLOFaceForPrintPaper::StaticClassInfo());
    site_->SetMultiSelect(true);
    site_->SetDrawInfo(false);
    site_->SetPaper(&paper);
    connect(site_, &TPaperSite::FaceClicked, this, &TfrmPrintPaper::FaceClicked);

    copies_ = new QSpinBox(this);
    copies_->setRange(1, kMaxPrintCopies);
    copies_->setValue(std::clamp(values.Copies, 1, kMaxPrintCopies));

    frame_ = new QCheckBox(QStringLiteral("ラベル枠線を印刷(&F)"), this);
    cutLine_ = new QCheckBox(QStringLiteral("切り取り線を印刷(&C)"), this);
    paperImage_ = new QCheckBox(QStringLiteral("用紙柄を印刷(&I)"), this);
    blurEdge_ = new QCheckBox(QStringLiteral("ラベルのフチをぼかす(&B)"), this);
    // A disc carries no outlines, cut lines or printed pattern.
    const std::pair<QCheckBox*, bool> sheetOnly[] = {
        {frame_, values.PrintFrame}, {cutLine_, values.PrintCutLine}, {paperImage_, values.PrintPaperImage}};
    for (const auto& [box, on] : sheetOnly) {
        box->setChecked(on && !directPrint);
        box->setEnabled(!directPrint);
    }
    blurEdge_->setChecked(values.BlurEdge);

    allFaces_ = new QRadioButton(QStringLiteral("全ラベル(&A)"), this);
    chosenFaces_ = new QRadioButton(QStringLiteral("指定ラベル(&S)"), this);
    auto* faceGroup = new QButtonGroup(this);
    faceGroup->addButton(allFaces_);
    faceGroup->addButton(chosenFaces_);
    (values.AllFaces ? allFaces_ : chosenFaces_)->setChecked(true);
    allFaces_->setEnabled(faceCount > 1);
    chosenFaces_->setEnabled(faceCount > 1);
    connect(allFaces_, &QRadioButton::toggled, this, [this] { ShowFaceChoice(); });

    offsetEnabled_ = new QCheckBox(QStringLiteral("印刷位置を調整する(&O)"), this);
    left_ = OffsetSpin(this, values.Offset.x());
    top_ = OffsetSpin(this, values.Offset.y());
    offsetEnabled_->setChecked(values.OffsetEnabled);
    const auto enableOffset = [this] {
        left_->setEnabled(offsetEnabled_->isChecked());
        top_->setEnabled(offsetEnabled_->isChecked());
    };
    connect(offsetEnabled_, &QCheckBox::toggled, this, enableOffset);
    enableOffset();

    printerSetup_ = new QPushButton(QStringLiteral("プリンタの設定(&P)..."), this);
    printerSetup_->setEnabled(static_cast<bool>(hooks_.PrinterSetup));
    connect(printerSetup_, &QPushButton::clicked, this, [this] { hooks_.PrinterSetup(); });

    auto* options = new QVBoxLayout;
    auto* copiesForm = new QFormLayout;
    copiesForm->addRow(QStringLiteral("部数(&N):"), copies_);
    options->addLayout(copiesForm);
    for (QCheckBox* box : {frame_, cutLine_, paperImage_, blurEdge_})
        options->addWidget(box);
    auto* faces = new QGroupBox(QStringLiteral("印刷するラベル"), this);
    auto* facesLayout = new QVBoxLayout(faces);
    facesLayout->addWidget(allFaces_);
    facesLayout->addWidget(chosenFaces_);
    options->addWidget(faces);
    auto* offset = new QGroupBox(QStringLiteral("印刷位置"), this);
    auto* offsetLayout = new QFormLayout(offset);
    offsetLayout->addRow(offsetEnabled_);
    offsetLayout->addRow(QStringLiteral("左(&L):"), left_);
    offsetLayout->addRow(QStringLiteral("上(&T):"), top_);
    options->addWidget(offset);
    options->addWidget(printerSetup_);
    options->addStretch();

    auto* buttons = OkCancelButtons(*this, QStringLiteral("印刷(&P)"));

    auto* body = new QHBoxLayout;
    body->addWidget(site_, 1);
    body->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    resize(640, 440);
    ShowFaceChoice();
}

void TfrmPrintPaper::ShowFaceChoice()
{
    const int faceCount = site_->FaceCount();
    const bool all = allFaces_->isChecked() || faceCount == 1;
    site_->setEnabled(!all);
    if (!all && !choice_.empty() && !AnyChosen(choice_))
        choice_[0] = 1;
    for (int face = 0; face < faceCount; ++face)
        site_->SetFaceSelected(face, all || choice_[static_cast<size_t>(face)] != 0);
}

void TfrmPrintPaper::FaceClicked(int face)
{
    if (face >= 0 && face < static_cast<int>(choice_.size()))
        choice_[static_cast<size_t>(face)] = site_->IsFaceSelected(face) ? 1 : 0;
}

TPrintDialogValues TfrmPrintPaper::Values() const
{
    TPrintDialogValues values = RememberedPrintValues();
    values.Copies = copies_->value();
    if (!directPrint_) {
        values.PrintFrame = frame_->isChecked();
        values.PrintCutLine = cutLine_->isChecked();
        values.PrintPaperImage = paperImage_->isChecked();
    }
    values.BlurEdge = blurEdge_->isChecked();
    values.AllFaces = allFaces_->isChecked();
    values.FaceChoice = choice_;
    values.Offset = QPoint(OffsetUnits(left_), OffsetUnits(top_));
    values.OffsetEnabled = offsetEnabled_->isChecked();
    return values;
}

TPrintSpec TfrmPrintPaper::Spec() const
{
    return MakePrintSpec(RememberedPrintValues(), paper_.FaceCount(), directPrint_);
}

bool TfrmPrintPaper::PrinterConfirmed()
{
    const QString model = paper_.GroupName();
    for (;;) {
        const QString driver = hooks_.DriverName ? hooks_.DriverName() : QString();
        if (driver == model)
            return true;
        const TConfirmPrinterResult result =
            hooks_.ConfirmPrinter ? hooks_.ConfirmPrinter(model, driver) : TfrmConfirmPrinter(model, driver, this).Ask();
        if (result != TConfirmPrinterResult::ChangePrinter)
            return result == TConfirmPrinterResult::Print;
        // The user changes the printer; the new one is checked again.
        if (hooks_.PrinterSetup)
            hooks_.PrinterSetup();
    }
}

bool TfrmPrintPaper::MediaLoaded()
{
    // There is no way to read the media a printer holds, so a disc job asks too.
    const QString form = hooks_.FormName ? hooks_.FormName() : QString();
    const QString text =
        form.isEmpty()
            ? QStringLiteral("印刷を開始します。\r\n\r\n用紙をセットして [OK] をクリックしてください。")
            : FormatText(QStringLiteral("印刷を開始します。\r\n\r\n「%s」サイズの用紙、もしくはメディアをセットして [OK] をクリックしてください。"),
                         {form});
    return ShowMessageBox(text, TMsgButtons::OKCancel, TMsgResult::OK) == TMsgResult::OK;
}

void TfrmPrintPaper::accept()
{
    if (directPrint_ && !PrinterConfirmed())
        return;
    if (!allFaces_->isChecked() && site_->FaceCount() > 1 && !AnyChosen(choice_)) {
        ShowInformation(QStringLiteral("印刷するラベルが一つもありません"));
        return;
    }
    if (!MediaLoaded())
        return;
    const TPrintDialogValues values = Values();
    RememberedPrintValues() = values;
    WritePrintOffsetSettings(values);
    QDialog::accept();
}
