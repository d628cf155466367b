#pragma once
// The text of a playlist file: UTF-8 for ".m3u8" files and files that begin with a UTF-8
// byte-order mark (which is dropped), Shift-JIS otherwise; NUL bytes read as blanks.
#include <QByteArray>
#include <QString>

QString PlaylistText(const QString& fileName, QByteArray bytes);
