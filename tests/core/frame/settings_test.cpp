#include "core/frame/macro_string.h"
#include "core/frame/settings.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        macros_.SetValue(QStringLiteral("SysRegistryKey"), QStringLiteral("Software\\Brevantix\\Lumarest\\$(ShortVer)\\Settings"));
        macros_.SetValue(QStringLiteral("ShortVer"), QStringLiteral("1.0"));
        macros_.SetValue(QStringLiteral("OpenFileHistory"), QStringLiteral("$(SysRegistryKey)\\OpenFileHistory"));
        SetApplicationMacros(&macros_);
    }
    void TearDown() override { SetApplicationMacros(nullptr); }

    TMacroString macros_;
};

} // namespace

TEST_F(Settings, ReadingWithoutKeysGivesDefaultsAndCreatesNothing)
{
    EXPECT_TRUE(ReadBool(QStringLiteral("DefaultShowHint"), true));
    EXPECT_FALSE(ReadBool(QStringLiteral("DefaultLandScape"), false));
    EXPECT_EQ(ReadInteger(QStringLiteral("ImageLimitSize"), 1500), 1500);
    EXPECT_EQ(ReadString(QStringLiteral("DefaultPaperName"), QStringLiteral("none")), QStringLiteral("none"));
    EXPECT_FALSE(TRegistryKey(QStringLiteral("$(OpenFileHistory)")).Exists());
    EXPECT_FALSE(QFileInfo::exists(SettingsFilePath()));
}

TEST_F(Settings, WrittenValuesReadBackAndWrongTypesGiveDefaults)
{
    WriteBool(QStringLiteral("StartWizard"), false);
    WriteInteger(QStringLiteral("CacheLimit"), 250);
    WriteString(QStringLiteral("DefaultPaperName"), QStringLiteral("ラベル A4 2面"));
    EXPECT_FALSE(ReadBool(QStringLiteral("StartWizard"), true));
    EXPECT_EQ(ReadInteger(QStringLiteral("CacheLimit"), 0), 250);
    EXPECT_EQ(ReadString(QStringLiteral("DefaultPaperName"), {}), QStringLiteral("ラベル A4 2面"));
    EXPECT_EQ(ReadInteger(QStringLiteral("DefaultPaperName"), 7), 7);

    TRegistryKey history(QStringLiteral("$(OpenFileHistory)"));
    history.WriteString(QStringLiteral("0"), QStringLiteral("/home/a.cld"));
    EXPECT_TRUE(history.Exists());
    EXPECT_EQ(history.ValueNames(), QStringList{QStringLiteral("0")});
    history.DeleteKey();
    EXPECT_FALSE(history.Exists());
    EXPECT_EQ(ReadInteger(QStringLiteral("CacheLimit"), 0), 250);
}

TEST(SettingsWithoutFrame, ReadsDefaultsAndWritesNothing)
{
    SetApplicationMacros(nullptr);
    WriteInteger(QStringLiteral("NoFrameValue"), 5);
    EXPECT_EQ(ReadInteger(QStringLiteral("NoFrameValue"), 9), 9);
    TMacroString macros;
    macros.SetValue(QStringLiteral("SysRegistryKey"), QStringLiteral("Software\\Brevantix"));
    SetApplicationMacros(&macros);
    EXPECT_EQ(ReadInteger(QStringLiteral("NoFrameValue"), 9), 9); // nothing was written anywhere
    SetApplicationMacros(nullptr);
}
