#include "core/error.h"
#include "core/frame/component_macros.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "../stream/stream_samples.h"

#include <gtest/gtest.h>

namespace {

void FillTable(TMacroString& macros)
{
    macros.SetLines({
        QStringLiteral("AppName=Lumarest"),
        QStringLiteral("AppDataDir=C:\\D\\"),
        QStringLiteral("ShortVer=1.0"),
        QStringLiteral("UserPreferenceFolder=$(AppDataDir)$(AppName)\\$(ShortVer)\\"),
        QStringLiteral("UserPaperInfo=$(UserPreferenceFolder)UserPaper.ppr"),
        QStringLiteral("ExeDir=C:\\Program Files\\Lumarest\\"),
        QStringLiteral("A=$(B)"),
        QStringLiteral("B=$(A)"),
        QStringLiteral("Quoted=\"abc\""),
        QStringLiteral("Which=AppName"),
        QStringLiteral("TitleBarFormat=$(AppName) - %s"),
    });
}

QString ExpandOrError(const QString& text)
{
    TMacroString macros;
    FillTable(macros);
    try {
        return macros.Expand(text);
    } catch (const EAppError& error) {
        return QStringLiteral("error: ") + error.Message();
    }
}

} // namespace

TEST(MacroString, ExpansionTable)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"$(UserPaperInfo)", u"C:\\D\\Lumarest\\1.0\\UserPaper.ppr"},
        {u"$(X)", u"error: 未定義のXマクロが使用されています"},
        {u"[$(X:inessential)][$(X:unessential)]", u"[][]"},
        {u"$(A)", u"error: A マクロが循環参照されています"},
        {u"$(ExeDir:Drive)", u"C"},
        {u"$(Quoted)", u"abc"},
        {u"x$()y", u"error: x$()yの3文字目から始まるマクロが間違っています"},
        {u"ab$(X", u"error: ab$(Xの4文字目から始まるマクロが閉じていません"},
        {u"a)b$(AppName)c", u"a)bLumarestc"},
        {u"$($(Which))", u"Lumarest"},
        {u"$(appname)", u"Lumarest"},
        {u"$(AppName:Upper)", u"error: 未定義のフォーマット指定(Upper)が使用されています"},
        {u"$(AppName:shortPath)", u"Lumarest"},
        {u"\"quoted text\"", u"quoted text"},
        {u"no macros (here)", u"no macros (here)"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ExpandOrError(QString::fromUtf16(text)), QString::fromUtf16(expected)) << QString::fromUtf16(text).toStdString();
}

TEST(MacroString, GlobalExpandNeedsTheApplicationTable)
{
    SetApplicationMacros(nullptr);
    EXPECT_EQ(Expand(QStringLiteral("$(AppName)")), QStringLiteral("$(AppName)"));
    TMacroString macros;
    FillTable(macros);
    SetApplicationMacros(&macros);
    EXPECT_EQ(Expand(QStringLiteral("$(AppName)")), QStringLiteral("Lumarest"));
    SetApplicationMacros(nullptr);
}

TEST(MacroString, ComponentMacrosExpandStringsSubObjectsAndListsIgnoringErrors)
{
    TMacroString macros;
    FillTable(macros);
    SetApplicationMacros(&macros);
    TSampleComponent component;
    component.SetText(QStringLiteral("$(AppName) 設定"));
    component.SetWide(QStringLiteral("$(Undefined)"));
    component.Font()->SetFontName(QStringLiteral("$(Which)"));
    component.Lines()->SetLines({QStringLiteral("$(ShortVer)"), QStringLiteral("plain")});
    auto child = std::make_unique<TSampleComponent>();
    child->SetText(QStringLiteral("$(AppName)"));
    component.Children().push_back(std::move(child));
    ExpandComponentMacros(component);
    SetApplicationMacros(nullptr);
    EXPECT_EQ(component.Text(), QStringLiteral("Lumarest 設定"));
    EXPECT_EQ(component.Wide(), QStringLiteral("$(Undefined)"));
    EXPECT_EQ(component.Font()->FontName(), QStringLiteral("AppName"));
    EXPECT_EQ(component.Lines()->Lines(), (QStringList{QStringLiteral("1.0"), QStringLiteral("plain")}));
    EXPECT_EQ(static_cast<TSampleComponent*>(component.Children()[0].get())->Text(), QStringLiteral("Lumarest"));
}

TEST(Messages, FormatAndHooks)
{
    EXPECT_EQ(FormatText(QStringLiteral("「%s」の%d文字目 100%%"), {QStringLiteral("a"), QStringLiteral("3")}),
              QStringLiteral("「a」の3文字目 100%"));
    TMacroString macros;
    FillTable(macros);
    macros.SetValue(QStringLiteral("SysMsgUnexpected"), QStringLiteral("予期しないエラーが発生しました$(CRLF)%s"));
    macros.SetValue(QStringLiteral("CRLF"), QStringLiteral("\r\n"));
    SetApplicationMacros(&macros);
    QStringList shown;
    const auto previous = SetMessageBoxHandler([&](const QString& text, TMsgButtons buttons, TMsgResult) {
        shown << text;
        return buttons == TMsgButtons::YesNo ? TMsgResult::No : TMsgResult::OK;
    });
    ShowError(EAppError(QStringLiteral("壊れています")));
    EXPECT_FALSE(AskYesNo(QStringLiteral("$(AppName)を終了しますか？")));
    SetMessageBoxHandler(previous);
    SetApplicationMacros(nullptr);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("予期しないエラーが発生しました\r\n壊れています"),
                                  QStringLiteral("Lumarestを終了しますか？")}));
}
