#include "platform/cfb/cfb_errors.h"

#include "platform/platform_error.h"

namespace cfb {

namespace {

QString FaultText(TFormatFault fault)
{
    switch (fault) {
    case TFormatFault::NotCompoundFile:
        return QStringLiteral("複合ファイルではありません");
    case TFormatFault::BadHeader:
        return QStringLiteral("ヘッダーが正しくありません");
    case TFormatFault::SectorOutOfRange:
        return QStringLiteral("セクタ番号が範囲外です");
    case TFormatFault::ChainLoops:
        return QStringLiteral("セクタのチェーンが循環しています");
    case TFormatFault::ChainTooShort:
        return QStringLiteral("ストリームのサイズがデータを超えています");
    case TFormatFault::DirectoryCycle:
        return QStringLiteral("ディレクトリのツリーが循環しています");
    case TFormatFault::BadEntry:
        return QStringLiteral("ディレクトリの項目が正しくありません");
    case TFormatFault::Truncated:
        return QStringLiteral("ファイルが途中で切れています");
    }
    return {};
}

} // namespace

void RaiseFormatError(TFormatFault fault)
{
    throw EPlatformError(QStringLiteral("ファイルの形式が正しくありません (%1)。").arg(FaultText(fault)));
}

void RaiseInvalidName(const QString& name)
{
    throw EPlatformError(QStringLiteral("名前「%1」は使えません。名前は 1 文字以上 31 文字以下で、"
                                        "/ \\ : ! を含むことはできません。")
                             .arg(name));
}

void RaiseNotFound(const QString& name)
{
    throw EPlatformError(QStringLiteral("「%1」が見つかりません。").arg(name));
}

void RaiseAlreadyExists(const QString& name)
{
    throw EPlatformError(QStringLiteral("「%1」は既に存在します。").arg(name));
}

void RaiseNotAStorage(const QString& name)
{
    throw EPlatformError(QStringLiteral("「%1」はストレージではありません。").arg(name));
}

void RaiseNotAStream(const QString& name)
{
    throw EPlatformError(QStringLiteral("「%1」はストリームではありません。").arg(name));
}

void RaiseReadOnly()
{
    throw EPlatformError(QStringLiteral("読み取り専用で開かれているため書き込めません。"));
}

void RaiseStaleEntry()
{
    throw EPlatformError(QStringLiteral("この要素は削除されたか、変更が取り消されたため使えません。"));
}

void RaiseIntoItself(const QString& name)
{
    throw EPlatformError(QStringLiteral("ストレージ「%1」をそれ自身の中へ移動またはコピーすることはできません。").arg(name));
}

void RaiseTooLarge()
{
    throw EPlatformError(QStringLiteral("ストリームが大きすぎます。"));
}

} // namespace cfb
