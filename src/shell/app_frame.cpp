#include "shell/app_frame.h"

#include "core/frame/data_files.h"
#include "core/messages.h"
#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QStringList ApplicationMacroTable()
{
    // Registry keys keep "\" (they name settings groups); paths use "/". The program's
    // data files are found in the data folder ($(DataDir)), which on this system is apart
    // from the program's own folder.
    return {
        QStringLiteral("AppName=Lumarest"),
        QStringLiteral("SysHelpFile=$(ExeNameNoExt).chm"),
        QStringLiteral("SysMsgUnexpected=予期しないエラーが発生しました$(CRLF)%s"),
        QStringLiteral("SysMsgTwainErr=TWAINでエラーが発生しました。$(CRLF)TWAINドライバあるいはTWAIN機器に問題があると$(CRLF)"
                       "思われます$(CRLF)「%s」"),
        QStringLiteral("SysMsgNotDefaultPrinter=通常使うプリンタがセットされていません$(CRLF)"
                       "コントロールパネルのプリンタを開いて設定してください"),
        QStringLiteral("SysMsgNotEnoughColor=「$(AppName)」は、32,000色以上の$(CRLF)表示環境でご使用ください。$(CRLF)"
                       "正しく表示できないことがありますが起動しますか？"),
        QStringLiteral("SysMsgAlreadyRun=$(AppName)は、すでに実行中です"),
        QStringLiteral("SysMutexID=$(AppName).$(ShortVer).Kestova.Japan"),
        QStringLiteral("SysRegistryKey=Software\\Brevantix\\Lumarest\\$(ShortVer)\\Settings"),
        QStringLiteral("ProductDB=$(DataDir)Lumarest.cdb"),
        QStringLiteral("SystemPaperInfo=$(DataDir)Lumarest.ppr"),
        QStringLiteral("CoonsDistortionData=$(DataDir)Lumarest.cdd"),
        QStringLiteral("UserImageHistory=$(SysRegistryKey)\\UserImageHistory"),
        QStringLiteral("OpenFileHistory=$(SysRegistryKey)\\OpenFileHistory"),
        QStringLiteral("WindowColors=$(SysRegistryKey)\\WindowColors"),
        QStringLiteral("LabelDataHistory=$(SysRegistryKey)\\LabelDataHistory"),
        QStringLiteral("FindPaperHistory=$(SysRegistryKey)\\FindPaperHistory"),
        QStringLiteral("UsedPaperHistory=$(SysRegistryKey)\\UsedPaperHistory"),
        QStringLiteral("UsedMediaHistory=$(SysRegistryKey)\\UsedMediaHistory"),
        QStringLiteral("QRCodeHistory=$(SysRegistryKey)\\QRCodeHistory"),
        QStringLiteral("FindAlbumHistory=$(SysRegistryKey)\\FindAlbumHistory"),
        QStringLiteral("SizeAdjustKey=$(SysRegistryKey)\\SizeAdjust"),
        QStringLiteral("TitleBarFormat=$(AppName) - %s"),
        QStringLiteral("PrintTitleFormat=%s - $(AppName)"),
        QStringLiteral("OpenDataFilter=%sデータ(*.%s)|*.%s|すべてのファイル(*.*)|*.*"),
        QStringLiteral("UserPreferenceFolder=$(AppDataDir)$(AppName)/$(ShortVer)/"),
        QStringLiteral("SystemPreferenceFolder=$(ExeDir)"),
        QStringLiteral("ColorSpecHistory=$(UserPreferenceFolder)ColorSpec.hst"),
        QStringLiteral("ImageCacheFile=$(UserPreferenceFolder)ImageCache.ic"),
        QStringLiteral("ImageFileExtentions=.bmp;.jpg;.jpeg;.pcd;.wmf;.emf;.cbm;.gif;.png"),
        QStringLiteral("UserPaperInfo=$(UserPreferenceFolder)UserPaper.ppr"),
        QStringLiteral("SysMsgNotPowerUsers=「$(AppName)」の実行には$(CRLF)標準ユーザー（PowerUsers）以上の権限が必要です"),
        QStringLiteral("FavoriteTemplate=$(UserPreferenceFolder)Favorite.dat"),
    };
}

TAppFrame::TAppFrame()
{
    macro_.SetValue(QStringLiteral("AppName"), QStringLiteral("Project"));
    conditions_ = {TExecuteCondition::NeedHighColor, TExecuteCondition::NeedPrinter, TExecuteCondition::Exclusive};
}

TAppFrame::~TAppFrame()
{
    if (ApplicationMacros() == &macro_)
        SetApplicationMacros(nullptr);
}

void TAppFrame::Load(const QString& programPath, const QString& version)
{
    macro_.SetLines(ApplicationMacroTable());
    const QFileInfo program(programPath);
    const QStringList parts = version.split(QLatin1Char('.'));
    const auto part = [&](int i) { return i < parts.size() && !parts[i].isEmpty() ? parts[i] : QStringLiteral("0"); };
    QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    macro_.SetValue(QStringLiteral("CRLF"), QStringLiteral("\r\n"));
    macro_.SetValue(QStringLiteral("Quote"), QStringLiteral("\""));
    macro_.SetValue(QStringLiteral("ExeDir"), WithSlash(program.absolutePath()));
    macro_.SetValue(QStringLiteral("ExeNameNoExt"), program.absolutePath() + QLatin1Char('/') + program.completeBaseName());
    macro_.SetValue(QStringLiteral("AppDataDir"), WithSlash(dataHome));
    macro_.SetValue(QStringLiteral("DataDir"), WithSlash(DataFolder()));
    macro_.SetValue(QStringLiteral("ShortVer"), parts.size() >= 2 ? part(0) + QLatin1Char('.') + part(1) : QStringLiteral("1.0"));
    macro_.SetValue(QStringLiteral("LongVer"), parts.size() >= 2 ? QStringList{part(0), part(1), part(2), part(3)}.join(QLatin1Char('.'))
                                                                 : QStringLiteral("1.0.0.0"));
    SetApplicationMacros(&macro_);
}

bool TAppFrame::CheckStartConditions(const TStartEnvironment& environment, TSingleInstance& instance,
                                     const QString& fileToHandOver)
{
    if (conditions_.count(TExecuteCondition::NeedHighColor) && environment.colorDepth < 9 &&
        !AskYesNo(QStringLiteral("$(SysMsgNotEnoughColor)")))
        return false;
    // The administrators' group of another system does not exist here: no check for it.
    if (conditions_.count(TExecuteCondition::NeedPrinter) && environment.hasDefaultPrinter &&
        !environment.hasDefaultPrinter()) {
        // Many machines here have no printer set up and the program still exports and
        // prints to files: the user is told once and the start goes on.
        ShowInformation(QStringLiteral("$(SysMsgNotDefaultPrinter)"));
    }
    if (conditions_.count(TExecuteCondition::Exclusive) && !instance.Acquire()) {
        if (!fileToHandOver.isEmpty())
            instance.SendToRunning(fileToHandOver);
        ShowInformation(QStringLiteral("$(SysMsgAlreadyRun)"));
        return false;
    }
    return true;
}
