#pragma once
// Audio files made by independent tools (sox, lame, flac, oggenc, opusenc, ffmpeg,
// mutagen) at test time, with what mutagen reads from each.
#include <QJsonObject>
#include <QString>

// The folder of the generated files; made once per build and shared by the test
// processes (a lock keeps parallel tests from making it twice). Empty when it failed.
QString AudioFixtureDir();

// mutagen's reading of every file: name → {title, artist, album, seconds}.
QJsonObject MutagenReport();
