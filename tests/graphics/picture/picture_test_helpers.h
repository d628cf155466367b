#pragma once
// Helpers shared by the picture tests: running Debian's Python with Pillow and ImageMagick
// on files in a temporary folder, and comparing pixels.
#include "support/test_support.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace picturetest {

// Runs /usr/bin/python3 with a script and arguments; returns standard output, failing the
// current test when the script fails.
QByteArray RunPython(const QString& script, const QStringList& arguments = {});

// Runs ImageMagick's convert; fails the current test when it fails.
void RunConvert(const QStringList& arguments);

// The pixels of a file as Pillow decodes them, converted to the mode ("RGB" or "RGBA"):
// an image of Format_RGB888 or Format_RGBA8888.
QImage PillowPixels(const QString& path, const QString& mode = QStringLiteral("RGB"));

// The pixels of a file as ImageMagick decodes them, 8 bits per RGB channel.
QImage ConvertPixels(const QString& path);

// The image in Format_RGB888 (alpha dropped) or Format_RGBA8888, for comparisons.
QImage AsRgb(const QImage& image);
QImage AsRgba(const QImage& image);

// 15- and 16-bit pixels widened as Pillow does (each channel v * 255 / max, rounded down),
// as Format_RGB888; other images converted to it.
QImage ExpandLikePillow(const QImage& image);

// Passes when both images have the same size and the same pixels as RGBA; otherwise
// describes the first difference.
::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected);

// A picture with gradients and a few hard edges, for encoding tests.
QImage TestPattern(int width, int height);

// A test suite whose sample files a Python script makes once, given the folder as its
// argument; the folder lives as long as the suite.
template <const char* Script>
class TScriptMadeFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        RunPython(QString::fromLatin1(Script), {dir_->path()});
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }
    static QByteArray Bytes(const char* name) { return testsupport::ReadFileBytes(Path(name)); }

private:
    static inline std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace picturetest
