#include "assets/ui/template_browser.h"

#include "../templates/template_fixtures.h"
#include "catalogue/paper/free_paper_info.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "document/label_data.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
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
        macros_.SetValue(QStringLiteral("FavoriteTemplate"), FavoritesFile());
        SetApplicationMacros(&macros_);
    }
    void TearDown() override
    {
        SetApplicationMacros(nullptr);
        SetMessageBoxHandler(previous_);
    }

    QString Catalogue() const { return dir_.filePath(QStringLiteral("Template.dat")); }
    QString FavoritesFile() const { return dir_.filePath(QStringLiteral("Favorite.dat")); }
    // The rows of the favourites file.
    QStringList FavoriteRows() const
    {
        QFile file(FavoritesFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir_;
    TMacroString macros_;
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

TEST_F(TemplateBrowserTest, AddingAFavoriteTwiceKeepsOneRowAndTellsTheUser)
{
    TTemplateBrowser browser(Catalogue(), document_, 0);
    EXPECT_FALSE(browser.AddFavoriteButton()->isEnabled()); // nothing chosen yet
    browser.GenreBox()->setCurrentIndex(0);
    browser.TemplateView()->setCurrentRow(0);
    ASSERT_TRUE(browser.AddFavoriteButton()->isEnabled());
    EXPECT_FALSE(browser.DeleteFavoriteButton()->isEnabled());
    browser.AddFavoriteButton()->click();
    browser.AddFavoriteButton()->click();
    EXPECT_EQ(messages_, QStringList({QStringLiteral("お気に入りに追加しました"), QStringLiteral("このテンプレートは登録済みです")}));
    // One row, named relative to the catalogue's folder.
    EXPECT_EQ(FavoriteRows(), QStringList({QStringLiteral("Disc/Plain/Round.cld,0,0,0,-1")}));

    browser.ViewTabs()->setCurrentIndex(TTemplateBrowser::vwFavorites);
    EXPECT_TRUE(browser.GenreBox()->isHidden());
    ASSERT_EQ(browser.TemplateView()->count(), 1);
    EXPECT_EQ(browser.TemplateView()->item(0)->text(), QStringLiteral("P001"));
    EXPECT_TRUE(browser.WarningLabel()->isHidden());
}

TEST_F(TemplateBrowserTest, DeletingTheLastFavoriteEmptiesFileAndView)
{
    TTemplateBrowser browser(Catalogue(), document_, 0);
    browser.GenreBox()->setCurrentIndex(0);
    browser.TemplateView()->setCurrentRow(0);
    browser.AddFavoriteButton()->click();
    browser.ViewTabs()->setCurrentIndex(TTemplateBrowser::vwFavorites);
    EXPECT_FALSE(browser.AddFavoriteButton()->isEnabled());
    browser.TemplateView()->setCurrentRow(0);
    ASSERT_TRUE(browser.DeleteFavoriteButton()->isEnabled());
    browser.DeleteFavoriteButton()->click();
    EXPECT_TRUE(FavoriteRows().isEmpty());
    EXPECT_TRUE(QFile::exists(FavoritesFile()));
    EXPECT_EQ(browser.TemplateView()->count(), 0);
    EXPECT_FALSE(browser.WarningLabel()->isHidden());
    EXPECT_EQ(browser.WarningLabel()->text(), QStringLiteral("登録済みのテンプレートはありません"));
    EXPECT_FALSE(browser.DeleteFavoriteButton()->isEnabled());

    // Back on the genres the warning goes.
    browser.ViewTabs()->setCurrentIndex(TTemplateBrowser::vwGenres);
    EXPECT_TRUE(browser.WarningLabel()->isHidden());
    EXPECT_EQ(browser.TemplateView()->count(), 1);
}

TEST_F(TemplateBrowserTest, ShowsOnlyFavoritesThatFitTheFaceAndAppliesThem)
{
    TTemplateList stored;
    stored.SetBaseFolder(dir_.path());
    stored.Add({dir_.filePath(QStringLiteral("Disc/Wide/Band.cld")), 0, 0, false}); // landscape
    stored.Add({dir_.filePath(QStringLiteral("Disc/Plain/Gone.cld")), 0, 0, false}); // no such file
    stored.Add({dir_.filePath(QStringLiteral("Disc/Plain/Round.cld")), 0, 0, false});
    ASSERT_TRUE(stored.SaveFavorites(FavoritesFile()));

    TTemplateBrowser browser(Catalogue(), document_, 0);
    browser.ViewTabs()->setCurrentIndex(TTemplateBrowser::vwFavorites);
    ASSERT_EQ(browser.Favorites().Count(), 1);
    EXPECT_EQ(browser.Favorites().Item(0).FileName, dir_.filePath(QStringLiteral("Disc/Plain/Round.cld")));
    ASSERT_EQ(browser.TemplateView()->count(), 1);
    EXPECT_EQ(FavoriteRows().size(), 3); // showing changes nothing on disk

    answer_ = TMsgResult::Yes;
    browser.TemplateView()->setCurrentRow(0);
    EXPECT_TRUE(browser.ApplySelected());
    EXPECT_EQ(document_.LoadObjects(0).size(), 1u);
}

TEST_F(TemplateBrowserTest, IdentifierSearchFromTheFavoritesGoesToTheGenre)
{
    TTemplateBrowser browser(Catalogue(), document_, 0);
    browser.ViewTabs()->setCurrentIndex(TTemplateBrowser::vwFavorites);
    EXPECT_EQ(browser.TemplateView()->count(), 0);
    browser.IdEdit()->setText(QStringLiteral("P001"));
    browser.SearchButton()->click();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(browser.ViewTabs()->currentIndex(), TTemplateBrowser::vwGenres);
    EXPECT_FALSE(browser.GenreBox()->isHidden());
    ASSERT_EQ(browser.TemplateView()->count(), 1);
    EXPECT_EQ(browser.TemplateView()->currentRow(), 0);
    EXPECT_TRUE(browser.AddFavoriteButton()->isEnabled());
}

TEST_F(TemplateBrowserTest, FavoritesNeedAFavoritesFile)
{
    SetApplicationMacros(nullptr);
    TTemplateBrowser browser(Catalogue(), document_, 0);
    browser.GenreBox()->setCurrentIndex(0);
    browser.TemplateView()->setCurrentRow(0);
    EXPECT_FALSE(browser.AddFavoriteButton()->isEnabled());
    browser.AddSelectedToFavorites();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_FALSE(QFile::exists(FavoritesFile()));
}

TEST_F(TemplateBrowserTest, ThumbnailSizeSetsTheIconsAndIsRemembered)
{
    QStringList offered;
    {
        TTemplateBrowser browser(Catalogue(), document_, 0);
        for (int i = 0; i < browser.ThumbnailSizeBox()->count(); ++i)
            offered << browser.ThumbnailSizeBox()->itemText(i);
        EXPECT_EQ(browser.TemplateView()->iconSize(), QSize(50, 50));
        browser.ThumbnailSizeBox()->setCurrentIndex(2);
        EXPECT_EQ(browser.TemplateView()->iconSize(), QSize(150, 150));
    }
    EXPECT_EQ(offered, QStringList({QStringLiteral("50ピクセル"), QStringLiteral("100ピクセル"), QStringLiteral("150ピクセル"),
                                    QStringLiteral("200ピクセル")}));
    TTemplateBrowser again(Catalogue(), document_, 0);
    EXPECT_EQ(again.ThumbnailSizeBox()->currentIndex(), 2);
    EXPECT_EQ(again.TemplateView()->iconSize(), QSize(150, 150));
    again.ThumbnailSizeBox()->setCurrentIndex(0); // the default again for the other tests
    EXPECT_EQ(again.TemplateView()->iconSize(), QSize(50, 50));
}
