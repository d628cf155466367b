#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "core/model/draw_site_model.h"
#include "editing/actions/action_list.h"
#include "objects/codes/code_classes.h"
#include "objects/codes/jan_object.h"
#include "objects/codes/qr_std.h"
#include "objects/ui/code_designers.h"
#include "objects/ui/jan_code_dialog.h"
#include "objects/ui/position_page.h"
#include "objects/ui/qr_code_dialog.h"
#include "platform/shift_jis.h"
#include "text/point_based_font.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Collects the messages the dialogs show instead of showing them.
class MessageCatcher {
public:
    MessageCatcher()
        : previous_(SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult answer) {
              messages_ << text;
              return answer;
          }))
    {
    }
    ~MessageCatcher() { SetMessageBoxHandler(previous_); }
    const QStringList& Messages() const { return messages_; }

private:
    TMessageBoxHandler previous_;
    QStringList messages_;
};

// The histories' registry key as the application frame names it.
class QRCodeDialog : public testing::Test {
protected:
    void SetUp() override
    {
        macros_.SetValue(QStringLiteral("QRCodeHistory"), QStringLiteral("Software\\Test\\QRCodeHistory"));
        SetApplicationMacros(&macros_);
    }
    void TearDown() override { SetApplicationMacros(nullptr); }

    TMacroString macros_;
};

void Type(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    Q_EMIT edit->textEdited(text);
}

} // namespace

TEST(JANCodeDialog, AcceptsCompletesAndRefusesCodes)
{
    RegisterCodeClasses();
    struct Case {
        const char* Input;
        const char* Stored; // nullptr: refused
    };
    const Case cases[] = {{"123456789012", "1234567890128"}, {"1234567", "12345670"}, {"1234567890128", "1234567890128"},
                          {"1234567890123", nullptr},          {"123456789", nullptr},  {"1234567890", nullptr},
                          {"12345678901", nullptr},            {"12345a7", nullptr},    {"", nullptr}};
    for (const Case& c : cases) {
        MessageCatcher catcher;
        TLOJANCode code;
        TfrmJANCodeProperty dialog(code, false);
        Type(dialog.CodeEdit(), QString::fromLatin1(c.Input));
        EXPECT_EQ(dialog.PreviewShown(), c.Stored != nullptr) << c.Input;
        dialog.accept();
        if (!c.Stored) {
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.Input;
            EXPECT_EQ(catcher.Messages(), QStringList{QStringLiteral("JANコードが正しくありません。")}) << c.Input;
            continue;
        }
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.Input;
        EXPECT_TRUE(catcher.Messages().isEmpty());
        EXPECT_EQ(dialog.Preview().JANCode(), QString::fromLatin1(c.Stored));
        dialog.ApplyTo(code);
        EXPECT_EQ(code.JANCode(), QString::fromLatin1(c.Stored));
    }
}

TEST(JANCodeDialog, NewObjectCaptionOptionsFontAndPosition)
{
    TLOJANCode code;
    code.SetAngle(90);
    {
        TfrmJANCodeProperty dialog(code, true);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("JANｺｰﾄﾞの追加"));
        EXPECT_EQ(dialog.Pages()->tabText(0), QStringLiteral("JANコード"));
        EXPECT_EQ(dialog.Pages()->tabText(1), QStringLiteral("文字色"));
        EXPECT_EQ(dialog.Pages()->tabText(2), QStringLiteral("位置"));
        EXPECT_EQ(dialog.Preview().Angle(), 0); // the preview is never turned
        EXPECT_EQ(dialog.CodeEdit()->maxLength(), 13);
        dialog.Pages()->setCurrentIndex(2);
    }
    TfrmJANCodeProperty dialog(code, false);
    EXPECT_EQ(dialog.Pages()->currentIndex(), 2); // the page last shown
    Type(dialog.CodeEdit(), QStringLiteral("4901234567894"));
    dialog.ShowNumberBox()->setChecked(false);
    dialog.ShowFrameBox()->setChecked(true);
    dialog.FontSizeBox()->setCurrentText(QStringLiteral("abc"));
    EXPECT_EQ(dialog.Preview().Font().Size(), 10); // an unparsable size previews at 10
    dialog.SetTextColor(clRed);
    dialog.PositionPage()->SetRect({50, 60, 450, 260});
    dialog.accept();
    dialog.ApplyTo(code);
    EXPECT_FALSE(code.ShowNumber());
    EXPECT_TRUE(code.ShowFrame());
    EXPECT_EQ(code.Font().Size(), 12); // and is applied as the font's own size
    EXPECT_EQ(code.Font().Color(), clRed);
    EXPECT_EQ(code.BoundsRect(), TRect(50, 60, 450, 260));
    EXPECT_EQ(code.Angle(), 90);
}

TEST_F(QRCodeDialog, KindCarrierLevelAndMaskControls)
{
    TLOQRStd code;
    code.SetQRKind(sqkURL); // a bookmark for the first family opens for the other
    TfrmQRCodeProperty dialog(code, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("QRコードの設定"));
    EXPECT_EQ(dialog.Preview().QRType(), sqtVodafone);
    EXPECT_FALSE(dialog.CarrierBox()->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.LevelBox()->count(), 3);
    EXPECT_EQ(dialog.LevelBox()->itemText(0), QStringLiteral("M(15%)"));

    Q_EMIT dialog.KindBox()->activated(sqkTel);
    dialog.KindBox()->setCurrentIndex(sqkTel);
    EXPECT_EQ(dialog.Preview().QRKind(), sqkTel);
    EXPECT_TRUE(dialog.CarrierBox()->isVisibleTo(&dialog));
    Q_EMIT dialog.CarrierBox()->activated(0);
    EXPECT_EQ(dialog.Preview().QRType(), sqtDoCoMo);
    EXPECT_EQ(dialog.LevelBox()->count(), 4);
    EXPECT_EQ(dialog.LevelBox()->itemText(0), QStringLiteral("L(7%)"));
    EXPECT_TRUE(dialog.SplitBox()->isEnabled());
    EXPECT_TRUE(dialog.HankakuBox()->isEnabled());

    // Free text sets the other family and the phone book brings the first one back.
    Q_EMIT dialog.KindBox()->activated(sqkTEXT);
    EXPECT_EQ(dialog.Preview().QRType(), sqtVodafone);
    EXPECT_FALSE(dialog.SplitBox()->isEnabled());
    EXPECT_FALSE(dialog.HankakuBox()->isEnabled());
    dialog.TextEdit()->setPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(dialog.Preview().Payload(), QByteArray("a\r\nb\r\n"));
    Q_EMIT dialog.KindBox()->activated(sqkTel);
    EXPECT_EQ(dialog.Preview().QRType(), sqtDoCoMo);

    EXPECT_FALSE(dialog.MaskBox()->isEnabled());
    dialog.AutoMaskBox()->setChecked(false);
    EXPECT_TRUE(dialog.MaskBox()->isEnabled());
    Q_EMIT dialog.MaskBox()->activated(5);
    EXPECT_EQ(dialog.Preview().MaskNo(), 5);
}

TEST_F(QRCodeDialog, FieldsHistoriesAndRefusals)
{
    MessageCatcher catcher;
    TLOQRStd code;
    code.SetQRTel2ID(3);
    {
        TfrmQRCodeProperty dialog(code, true);
        EXPECT_TRUE(dialog.FieldEdit(TfrmQRCodeProperty::fTel2)->isReadOnly());
        EXPECT_FALSE(dialog.HistoryButton(TfrmQRCodeProperty::fName)->isEnabled());
        Type(dialog.FieldEdit(TfrmQRCodeProperty::fName), QStringLiteral("山田 😀"));
        EXPECT_TRUE(dialog.StatusLabel()->text().contains(QStringLiteral("😀")));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        ASSERT_EQ(catcher.Messages().size(), 1);
        Type(dialog.FieldEdit(TfrmQRCodeProperty::fName), QStringLiteral("山田 太郎"));
        Type(dialog.FieldEdit(TfrmQRCodeProperty::fTel1), QStringLiteral("0312345678"));
        EXPECT_TRUE(dialog.StatusLabel()->text().isEmpty());
        EXPECT_EQ(dialog.Preview().Payload(), *EncodeShiftJIS(QStringLiteral("MECARD:N:山田 太郎;TEL:0312345678;;")));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        dialog.ApplyTo(code);
    }
    EXPECT_EQ(code.QRName(), QStringLiteral("山田 太郎"));
    TfrmQRCodeProperty dialog(code, false);
    EXPECT_TRUE(dialog.HistoryButton(TfrmQRCodeProperty::fName)->isEnabled());
    EXPECT_EQ(dialog.HistoryEntries(TfrmQRCodeProperty::fName), QStringList{QStringLiteral("山田 太郎")});
    EXPECT_EQ(dialog.HistoryEntries(TfrmQRCodeProperty::fTel1), QStringList{QStringLiteral("0312345678")});
    EXPECT_TRUE(dialog.HistoryEntries(TfrmQRCodeProperty::fEmail1).isEmpty());
    Type(dialog.FieldEdit(TfrmQRCodeProperty::fName), QString());
    dialog.ChooseHistoryEntry(TfrmQRCodeProperty::fName, QStringLiteral("山田 太郎"));
    EXPECT_EQ(dialog.Preview().QRName(), QStringLiteral("山田 太郎"));

    // Too much for any symbol: nothing is drawn and the dialog says why.
    dialog.TextEdit()->setPlainText(QString(4000, QLatin1Char('x')));
    Q_EMIT dialog.KindBox()->activated(sqkTEXT);
    EXPECT_FALSE(dialog.Preview().Code().HasSymbol());
    EXPECT_TRUE(dialog.StatusLabel()->text().contains(QStringLiteral("データが多すぎる")));
}

TEST(CodeDesigners, OkRecordsOneUndoableChangeAndCancelLeavesTheObject)
{
    RegisterCodeClasses(); // the undo snapshots are streamed
    TDrawSiteModel site;
    auto* code = static_cast<TLOJANCode*>(site.AddObject(std::make_unique<TLOJANCode>()));
    TActionList actions;
    // Answers the modal dialog once it is shown.
    auto answer = [](bool ok, const QString& text) {
        QTimer::singleShot(0, [ok, text] {
            auto* dialog = qobject_cast<TfrmJANCodeProperty*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->CodeEdit()->setText(text);
            ok ? dialog->accept() : dialog->reject();
        });
    };
    answer(false, QStringLiteral("1234567"));
    EXPECT_FALSE(EditJANCode(*code, false, &actions));
    EXPECT_TRUE(code->JANCode().isEmpty());
    EXPECT_FALSE(actions.CanUndo());

    answer(true, QStringLiteral("1234567"));
    EXPECT_TRUE(EditJANCode(*code, false, &actions));
    EXPECT_EQ(code->JANCode(), QStringLiteral("12345670"));
    ASSERT_TRUE(actions.CanUndo());
    EXPECT_EQ(actions.UndoCaption(), QStringLiteral("設定変更"));
    actions.Undo();
    code = static_cast<TLOJANCode*>(site.Objects().front());
    EXPECT_TRUE(code->JANCode().isEmpty());
}
