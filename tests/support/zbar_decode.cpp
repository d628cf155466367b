#include "support/zbar_decode.h"

#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {

std::optional<QByteArray> DecodeWithZbar(const QImage& image, bool binary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    EXPECT_TRUE(image.save(path));
    QStringList arguments{QStringLiteral("--raw"), QStringLiteral("-q")};
    if (binary)
        arguments << QStringLiteral("-Sbinary");
    arguments << path;
    QByteArray output;
    if (RunProgram(QStringLiteral("zbarimg"), arguments, &output) != 0)
        return std::nullopt;
    // zbarimg ends text it read with one line feed; binary data comes as it is.
    if (!binary && output.endsWith('\n'))
        output.chop(1);
    return output;
}

} // namespace testsupport
