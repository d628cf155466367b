#include "assets/ui/template_browser.h"

#include "../templates/template_fixtures.h"
#include "catalogue/paper/free_paper_info.h"
#include "core/messages.h"
#include "document/label_data.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class TemplateBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("Disc/Plain"));
        QDir(dir_.path()).mkpath(QStringLiteral("Disc/Wide"));
        WriteTemplate(dir_.filePath(QStringLiteral("Disc/Plain/Round.cld")), {{QStringLiteral("CD"), 1200, 1200, true}});
        WriteTemplate(dir_.filePath(QStringLiteral("Disc/Wide/Band.cld")), {{QStringLiteral("CD"), 1500, 1000, true}});
        WriteText(dir_.filePath(QStringLiteral("Template.dat")),
                  "[CD]\r\nDir=Disc\\Plain,Disc\\Wide\r\nName=Plain,Wide\r\n");
        WriteText(dir_.filePath(QStringLiteral("Template.ids")),
                  "[Disc\\Plain]\r\nROUND,0,0=P001\r\n[Disc\\Wide]\r\nBAND,0,0=W001\r\n");
        TFreePaperInfo paper;
        paper.SetWidth(3000);
        paper.SetHeight(3000);
        TFaceItem* item = paper.Faces()->AddFace();
        item->SetFaceRect({0, 0, 1170, 1170});
        item->SetFacePurpose(QStringLiteral("CD"));
        document_.SetPaper(paper);
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult) {
            messages_ << text;
            return answer_;
        });
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    QTemporaryDir dir_;
    TLabelData document_;
    QStringList messages_;
    TMsgResult answer_ = TMsgResult::No;
    TMessageBoxHandler previous_;
};

} // namespace

TEST_F(TemplateBrowserTest, ListsFittingTemplatesWithIdentifiers)
{
    TTemplateBrowser browser(dir_.filePath(QStringLiteral("Template.dat")), document_, 0);
    EXPECT_EQ(browser.GenreBox()->count(), 2);
    EXPECT_TRUE(browser.WarningLabel()->isHidden());
    browser.GenreBox()->setCurrentIndex(0);
    ASSERT_EQ(browser.TemplateView()->count(), 1);
    EXPECT_EQ(browser.TemplateView()->item(0)->text(), QStringLiteral("P001"));
    browser.GenreBox()->setCurrentIndex(1);
    EXPECT_EQ(browser.TemplateView()->count(), 0); // the landscape template does not fit
}

TEST_F(TemplateBrowserTest, IdentifierSearchSelectsOrTells)
{
    TTemplateBrowser browser(dir_.filePath(QStringLiteral("Template.dat")), document_, 0);
    browser.IdEdit()->setText(QStringLiteral("p00"));
    EXPECT_FALSE(browser.SearchButton()->isEnabled());
    browser.IdEdit()->setText(QStringLiteral("p001"));
    ASSERT_TRUE(browser.SearchButton()->isEnabled());
    browser.GenreBox()->setCurrentIndex(1);
    browser.SearchButton()->click();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(browser.GenreBox()->currentIndex(), 0);
    EXPECT_EQ(browser.TemplateView()->currentRow(), 0);

    browser.IdEdit()->setText(QStringLiteral("W001"));
    browser.SearchButton()->click();
    browser.IdEdit()->setText(QStringLiteral("Z999"));
    browser.SearchButton()->click();
    EXPECT_EQ(messages_, QStringList({QStringLiteral("「W001」のテンプレートは現在のラベルに適合しません"),
                                      QStringLiteral("「Z999」は見つかりませんでした")}));
}

TEST_F(TemplateBrowserTest, AppliesOnlyAfterYes)
{
    TTemplateBrowser browser(dir_.filePath(QStringLiteral("Template.dat")), document_, 0);
    browser.GenreBox()->setCurrentIndex(0);
    browser.TemplateView()->setCurrentRow(0);
    EXPECT_FALSE(browser.ApplySelected());
    EXPECT_FALSE(document_.HasDesign(0));
    answer_ = TMsgResult::Yes;
    EXPECT_TRUE(browser.ApplySelected());
    EXPECT_EQ(document_.LoadObjects(0).size(), 1u);
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("このラベルのデータをすべて削除してから")));
}

TEST_F(TemplateBrowserTest, MissingCatalogueShowsWarning)
{
    TTemplateBrowser browser(dir_.filePath(QStringLiteral("Nothing/Template.dat")), document_, 0);
    EXPECT_FALSE(browser.WarningLabel()->isHidden());
    EXPECT_EQ(browser.WarningLabel()->text(), QStringLiteral("テンプレート集が見つかりません。"));
    EXPECT_EQ(browser.TemplateView()->count(), 0);
    EXPECT_TRUE(browser.SearchButton()->isHidden());
}
