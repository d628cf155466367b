// The sheet print dialog and its printer confirmation on the offscreen platform: the face
// picker, the start checks answered through the message hook, the remembered values and
// the offset settings.
#include "../print_document_fixture.h"
#include "core/frame/settings.h"
#include "core/messages.h"
#include "editing/ui/paper_site.h"
#include "printing/ui/confirm_printer_dialog.h"
#include "printing/ui/print_paper_dialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace {

const QString kNoFace = QStringLiteral("印刷するラベルが一つもありません");
const QString kLoadA4 =
    QStringLiteral("印刷を開始します。\r\n\r\n「A4」サイズの用紙、もしくはメディアをセットして [OK] をクリックしてください。");
const QString kLoadAny = QStringLiteral("印刷を開始します。\r\n\r\n用紙をセットして [OK] をクリックしてください。");

class PrintPaperDialogTest : public PrintDocumentTest {
protected:
    void SetUp() override
    {
        PrintDocumentTest::SetUp();
        ApplicationMacros()->SetValue(QStringLiteral("AppName"), QStringLiteral("Lumarest"));
        RememberedPrintValues() = {};
        TRegistryKey settings(QStringLiteral("$(SysRegistryKey)"));
        for (const char* key : {"PrintLeftOffset", "PrintTopOffset", "PrintOffsetEnabled"})
            settings.DeleteValue(QString::fromLatin1(key));
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons buttons, TMsgResult) {
            messages_ << text;
            return buttons == TMsgButtons::OK ? TMsgResult::OK : answer_;
        });
        hooks_.FormName = [] { return QStringLiteral("A4"); };
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous_);
        RememberedPrintValues() = {};
        PrintDocumentTest::TearDown();
    }

    std::unique_ptr<TfrmPrintPaper> Open(const QString& paperName)
    {
        auto dialog = std::make_unique<TfrmPrintPaper>(CataloguePaper(paperName), false, hooks_);
        dialog->show();
        return dialog;
    }

    // Clicks the paper site inside the face.
    static void ClickFace(TPaperSite& site, int face)
    {
        for (int y = 0; y < site.height(); y += 2)
            for (int x = 0; x < site.width(); x += 2)
                if (site.FaceAt({x, y}) == face) {
                    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                        QMouseEvent event(type, QPointF(x, y), site.mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                        QApplication::sendEvent(&site, &event);
                    }
                    return;
                }
        FAIL() << "face " << face << " not shown";
    }

    static std::vector<bool> Shown(const TPaperSite& site)
    {
        std::vector<bool> shown;
        for (int face = 0; face < site.FaceCount(); ++face)
            shown.push_back(site.IsFaceSelected(face));
        return shown;
    }

    TPrintPaperHooks hooks_;
    QStringList messages_;
    TMsgResult answer_ = TMsgResult::OK;
    TMessageBoxHandler previous_;
};

} // namespace

TEST_F(PrintPaperDialogTest, AllFacesShowsEveryFaceAndChosenFacesChoosesTheFirstWhenNoneIs)
{
    const auto dialog = Open(kTwoUpDisc);
    ASSERT_EQ(dialog->Site()->FaceCount(), 2);
    EXPECT_TRUE(dialog->AllFacesButton()->isChecked());
    EXPECT_TRUE(dialog->AllFacesButton()->isEnabled());
    EXPECT_FALSE(dialog->Site()->isEnabled());
    EXPECT_EQ(Shown(*dialog->Site()), (std::vector<bool>{true, true}));

    dialog->ChosenFacesButton()->setChecked(true);
    EXPECT_TRUE(dialog->Site()->isEnabled());
    EXPECT_EQ(Shown(*dialog->Site()), (std::vector<bool>{true, false}));
    ClickFace(*dialog->Site(), 1);
    EXPECT_EQ(Shown(*dialog->Site()), (std::vector<bool>{true, true}));
    ClickFace(*dialog->Site(), 0);
    EXPECT_EQ(Shown(*dialog->Site()), (std::vector<bool>{false, true}));

    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const TPrintSpec spec = dialog->Spec();
    EXPECT_FALSE(spec.AllFaces);
    EXPECT_FALSE(spec.Prints(0));
    EXPECT_TRUE(spec.Prints(1));
}

TEST_F(PrintPaperDialogTest, ASingleFacePaperDisablesBothChoicesAndPrintsItsFace)
{
    RememberedPrintValues().AllFaces = false;
    const auto dialog = Open(kOneFaceA4);
    ASSERT_EQ(dialog->Site()->FaceCount(), 1);
    EXPECT_FALSE(dialog->AllFacesButton()->isEnabled());
    EXPECT_FALSE(dialog->ChosenFacesButton()->isEnabled());
    EXPECT_FALSE(dialog->Site()->isEnabled());
    EXPECT_TRUE(dialog->Site()->IsFaceSelected(0));
    dialog->accept();
    EXPECT_TRUE(dialog->Spec().Prints(0));
}

TEST_F(PrintPaperDialogTest, NoChosenFaceIsRefusedAndTheDialogStaysOpen)
{
    const auto dialog = Open(kTwoUpDisc);
    dialog->ChosenFacesButton()->setChecked(true);
    ClickFace(*dialog->Site(), 0);
    dialog->accept();
    EXPECT_EQ(messages_, QStringList{kNoFace});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
}

TEST_F(PrintPaperDialogTest, TheLoadQuestionNamesTheFormAndItsCancelKeepsTheDialogOpen)
{
    struct Case {
        QString form;
        TMsgResult answer;
        QString question;
        bool accepted;
    };
    const Case cases[] = {
        {QStringLiteral("A4"), TMsgResult::OK, kLoadA4, true},
        {QString(), TMsgResult::OK, kLoadAny, true},
        {QStringLiteral("A4"), TMsgResult::Cancel, kLoadA4, false},
    };
    for (const Case& c : cases) {
        messages_.clear();
        answer_ = c.answer;
        hooks_.FormName = [&c] { return c.form; };
        const auto dialog = Open(kTwoUpDisc);
        dialog->accept();
        EXPECT_EQ(messages_, QStringList{c.question});
        EXPECT_EQ(dialog->result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(dialog->isVisible(), !c.accepted);
    }
}

TEST_F(PrintPaperDialogTest, ValuesAreRememberedAcrossOpeningsAndTheOffsetGoesToTheSettings)
{
    {
        const auto dialog = Open(kTwoUpDisc);
        EXPECT_EQ(dialog->CopiesBox()->value(), 1);
        EXPECT_TRUE(dialog->OffsetBox()->isChecked());
        dialog->CopiesBox()->setValue(3);
        dialog->FrameBox()->setChecked(true);
        dialog->BlurEdgeBox()->setChecked(true);
        dialog->ChosenFacesButton()->setChecked(true);
        ClickFace(*dialog->Site(), 1);
        ClickFace(*dialog->Site(), 0);
        dialog->LeftOffsetBox()->setValue(1.5);
        dialog->TopOffsetBox()->setValue(-2.0);
        dialog->accept();
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
    }
    EXPECT_EQ(ReadInteger(QStringLiteral("PrintLeftOffset"), 0), 15);
    EXPECT_EQ(ReadInteger(QStringLiteral("PrintTopOffset"), 0), -20);
    EXPECT_TRUE(ReadBool(QStringLiteral("PrintOffsetEnabled"), false));

    const auto again = Open(kTwoUpDisc);
    EXPECT_EQ(again->CopiesBox()->value(), 3);
    EXPECT_TRUE(again->FrameBox()->isChecked());
    EXPECT_FALSE(again->CutLineBox()->isChecked());
    EXPECT_TRUE(again->BlurEdgeBox()->isChecked());
    EXPECT_TRUE(again->ChosenFacesButton()->isChecked());
    EXPECT_EQ(Shown(*again->Site()), (std::vector<bool>{false, true}));
    EXPECT_DOUBLE_EQ(again->LeftOffsetBox()->value(), 1.5);
    EXPECT_DOUBLE_EQ(again->TopOffsetBox()->value(), -2.0);

    // A disabled offset prints at (0, 0) and keeps the stored values.
    again->OffsetBox()->setChecked(false);
    EXPECT_FALSE(again->LeftOffsetBox()->isEnabled());
    again->accept();
    const TPrintSpec spec = again->Spec();
    EXPECT_EQ(spec.Copies, 3);
    EXPECT_TRUE(spec.PrintFrame);
    EXPECT_EQ(spec.Offset, QPoint());
    EXPECT_EQ(ReadInteger(QStringLiteral("PrintLeftOffset"), 0), 15);
    EXPECT_FALSE(ReadBool(QStringLiteral("PrintOffsetEnabled"), true));
}

TEST_F(PrintPaperDialogTest, ADirectPrintPaperOnAnotherModelsPrinterAsksFirst)
{
    UsePaper(kEpsonDisc);
    const TPaperInfo& paper = *document_->EffectivePaper();
    ASSERT_EQ(paper.GroupName(), kR280);
    struct Case {
        std::vector<TConfirmPrinterResult> answers;
        int setups;
        bool accepted;
    };
    const Case cases[] = {
        {{TConfirmPrinterResult::Cancel}, 0, false},
        {{TConfirmPrinterResult::Print}, 0, true},
        // The setup chooses the right model: no second question.
        {{TConfirmPrinterResult::ChangePrinter}, 1, true},
    };
    for (const Case& c : cases) {
        messages_.clear();
        QString driver = QStringLiteral("Canon PIXUS 850i");
        std::vector<std::pair<QString, QString>> asked;
        int setups = 0;
        hooks_.DriverName = [&driver] { return driver; };
        hooks_.PrinterSetup = [&] {
            ++setups;
            driver = kR280;
        };
        hooks_.ConfirmPrinter = [&](const QString& model, const QString& printer) {
            asked.emplace_back(model, printer);
            return c.answers.at(asked.size() - 1);
        };
        TfrmPrintPaper dialog(paper, true, hooks_);
        dialog.show();
        EXPECT_FALSE(dialog.FrameBox()->isEnabled());
        EXPECT_FALSE(dialog.CutLineBox()->isEnabled());
        EXPECT_FALSE(dialog.PaperImageBox()->isEnabled());
        dialog.accept();
        ASSERT_EQ(asked.size(), c.answers.size());
        EXPECT_EQ(asked.front(), std::make_pair(kR280, QStringLiteral("Canon PIXUS 850i")));
        EXPECT_EQ(setups, c.setups);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        // A disc job asks for the media too, once the printer is settled.
        EXPECT_EQ(messages_, c.accepted ? QStringList{kLoadA4} : QStringList{});
    }
}

TEST_F(PrintPaperDialogTest, TheRightModelsPrinterPrintsWithoutTheConfirmation)
{
    UsePaper(kEpsonDisc);
    bool asked = false;
    hooks_.DriverName = [] { return kR280; };
    hooks_.ConfirmPrinter = [&](const QString&, const QString&) {
        asked = true;
        return TConfirmPrinterResult::Cancel;
    };
    TfrmPrintPaper dialog(*document_->EffectivePaper(), true, hooks_);
    dialog.accept();
    EXPECT_FALSE(asked);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PrintPaperDialogTest, TheConfirmationTellsBothModelsAndOffersThreeButtons)
{
    const QString expected = QStringLiteral(
        "このデータは「Epson Stylus Photo R280」用にデザインされていますが、\r\n選択されているプリンタは「Canon "
        "PIXUS 850i」です。\r\n\r\n変更をする場合は[プリンタ設定変更]でプリンタを変更してください。");
    const std::pair<QPushButton* (TfrmConfirmPrinter::*)() const, TConfirmPrinterResult> buttons[] = {
        {&TfrmConfirmPrinter::ChangeButton, TConfirmPrinterResult::ChangePrinter},
        {&TfrmConfirmPrinter::PrintButton, TConfirmPrinterResult::Print},
        {&TfrmConfirmPrinter::CancelButton, TConfirmPrinterResult::Cancel},
    };
    for (const auto& [button, result] : buttons) {
        TfrmConfirmPrinter dialog(kR280, QStringLiteral("Canon PIXUS 850i"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lumarest"));
        EXPECT_EQ(dialog.Message()->text(), expected);
        EXPECT_EQ(dialog.ChangeButton()->text(), QStringLiteral("プリンタ設定変更(&S)..."));
        EXPECT_EQ(dialog.PrintButton()->text(), QStringLiteral("印刷(&P)"));
        EXPECT_EQ(dialog.CancelButton()->text(), QStringLiteral("キャンセル"));
        QPushButton* toPress = (dialog.*button)();
        QTimer::singleShot(0, toPress, [toPress] { toPress->click(); });
        EXPECT_EQ(dialog.Ask(), result);
    }
}
