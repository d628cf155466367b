#pragma once
// The texts with which picture loading and the compression container fail.
#include <QString>

namespace picturemsg {

inline QString InvalidBitmap() { return QStringLiteral("ビットマップイメージが不正です"); }
inline QString UnsupportedJpeg() { return QStringLiteral("未対応のJPEG形式です"); }
// The argument is the resource name.
inline QString ResourceNotFound(const QString& name) { return QStringLiteral("%1 リソースが見つかりません").arg(name); }
inline QString ImageLoadFailed() { return QStringLiteral("イメージの読み込みに失敗しました"); }
inline QString StreamReadError() { return QStringLiteral("ストリームからの読み込みエラー"); }
inline QString StreamWriteError() { return QStringLiteral("ストリームへの書き込みエラー"); }

} // namespace picturemsg
