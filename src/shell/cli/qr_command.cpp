// "lumarest qr": encodes text (as Shift-JIS bytes) or a file's bytes as a QR Code symbol,
// prints the symbol's settings ("version V level L mask M mode X"), with --matrix also its
// modules without quiet zone ("1" dark, "0" light, one row per line), and with -o writes
// the module bitmap as PNG, each module --scale pixels square.
#include "cli_command.h"

#include "objects/qr/qr_code.h"
#include "platform/shift_jis.h"

#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <optional>

namespace {

constexpr int kDefaultScale = 8;
constexpr int kMaxScale = 64;
constexpr int kMaxImageSide = 8192;

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"qr",
     "[--level L|M|Q|H] [--version N] [--mask N] [--mode 0|A|8] [--margin N] (TEXT | --file FILE) [-o OUT.png] "
     "[--scale PIXELS] [--matrix]",
     "テキスト (Shift-JIS) またはファイルの内容を QR コードにし、設定を表示して PNG に書き出します", &Run}};

struct TOptions {
    TQRCode Code;
    std::optional<QString> Text;
    std::optional<QString> File;
    QString Output;
    int Scale = kDefaultScale;
    bool Matrix = false;
};

// A whole number within [low, high], or nothing.
std::optional<int> NumberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// Applies one option with its value; returns the message for an invalid value.
std::optional<QString> ApplyOption(TOptions& options, const QString& name, const QString& value)
{
    TQRCode& code = options.Code;
    if (name == QLatin1String("--level")) {
        if (value.size() != 1 || !QStringLiteral("LMQH").contains(value))
            return QStringLiteral("誤り訂正レベルは L、M、Q、H のいずれかを指定してください: %1").arg(value);
        code.SetErrorCorrectLevel(value[0].toLatin1());
    } else if (name == QLatin1String("--version")) {
        const auto version = NumberIn(value, kQRMinVersion, kQRMaxVersion);
        if (!version)
            return QStringLiteral("バージョンは 1 から 40 までの数で指定してください: %1").arg(value);
        code.SetAutoVersion(false);
        code.SetVersion(*version);
    } else if (name == QLatin1String("--mask")) {
        const auto mask = NumberIn(value, 0, 7);
        if (!mask)
            return QStringLiteral("マスクは 0 から 7 までの数で指定してください: %1").arg(value);
        code.SetAutoMask(false);
        code.SetMaskNo(*mask);
    } else if (name == QLatin1String("--mode")) {
        if (value.size() != 1 || !QStringLiteral("0A8").contains(value))
            return QStringLiteral("モードは 0、A、8 のいずれかを指定してください: %1").arg(value);
        code.SetAutoEncodeMode(false);
        code.SetEncodeMode(value[0].toLatin1());
    } else if (name == QLatin1String("--margin")) {
        const auto margin = NumberIn(value, 0, kQRMaxMergin);
        if (!margin)
            return QStringLiteral("余白は 0 から %1 までの数で指定してください: %2").arg(kQRMaxMergin).arg(value);
        code.SetMergin(*margin);
    } else if (name == QLatin1String("--scale")) {
        const auto scale = NumberIn(value, 1, kMaxScale);
        if (!scale)
            return QStringLiteral("拡大率は 1 から %1 までの数で指定してください: %2").arg(kMaxScale).arg(value);
        options.Scale = *scale;
    } else if (name == QLatin1String("--file")) {
        options.File = value;
    } else { // -o
        options.Output = value;
    }
    return std::nullopt;
}

bool TakesValue(const QString& argument)
{
    static const QStringList kOptions = {QStringLiteral("--level"), QStringLiteral("--version"), QStringLiteral("--mask"),
                                         QStringLiteral("--mode"),  QStringLiteral("--margin"),  QStringLiteral("--scale"),
                                         QStringLiteral("--file"),  QStringLiteral("-o")};
    return kOptions.contains(argument);
}

// The payload: the text as Shift-JIS, or the file's bytes. A file is read only up to one
// byte more than any symbol holds, so that a huge file is refused without being loaded.
std::optional<QByteArray> ReadPayload(const TOptions& options)
{
    if (options.Text) {
        QString unmappable;
        const std::optional<QByteArray> bytes = EncodeShiftJIS(*options.Text, &unmappable);
        if (!bytes)
            CliError(QStringLiteral("Shift-JIS で表せない文字が含まれています: %1").arg(unmappable));
        return bytes;
    }
    QFile file(*options.File);
    if (!file.open(QIODevice::ReadOnly)) {
        CliError(QStringLiteral("ファイルを読み込めません: %1").arg(*options.File));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kQRMaxPayloadBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        CliError(QStringLiteral("ファイルを読み込めません: %1").arg(*options.File));
        return std::nullopt;
    }
    return bytes;
}

QString MatrixText(const TQRMatrix& matrix)
{
    const int n = matrix.Size();
    QString text;
    text.reserve(n * (n + 1));
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x)
            text += matrix.IsDark(x, y) ? QLatin1Char('1') : QLatin1Char('0');
        text += QLatin1Char('\n');
    }
    return text;
}

// Writes the module bitmap enlarged `scale` times as a grey-scale PNG, replacing the file
// only when the whole image was written.
bool WritePng(const QImage& bitmap, int scale, const QString& path)
{
    const int side = bitmap.width() * scale;
    if (side > kMaxImageSide) {
        CliError(QStringLiteral("画像が大きすぎます（一辺 %1 ピクセルまで）: %2 ピクセル").arg(kMaxImageSide).arg(side));
        return false;
    }
    QImage image(side, side, QImage::Format_Grayscale8);
    for (int y = 0; y < side; ++y) {
        const uchar* source = bitmap.constScanLine(y / scale);
        uchar* target = image.scanLine(y);
        for (int x = 0; x < side; ++x)
            target[x] = source[3 * (x / scale)];
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        CliError(QStringLiteral("PNG ファイルを書き込めません: %1").arg(path));
        return false;
    }
    return true;
}

int Run(const QStringList& arguments)
{
    const TCliCommand& command = *FindCliCommand(QStringLiteral("qr"));
    TOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument == QLatin1String("--matrix")) {
            options.Matrix = true;
        } else if (!optionsEnded && TakesValue(argument)) {
            if (i + 1 >= arguments.size())
                return CliUsage(command);
            if (const auto message = ApplyOption(options, argument, arguments[++i])) {
                CliError(*message);
                return 2;
            }
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return CliUsage(command);
        } else if (options.Text) {
            return CliUsage(command);
        } else {
            options.Text = argument;
        }
    }
    if (options.Text.has_value() == options.File.has_value())
        return CliUsage(command);

    const std::optional<QByteArray> payload = ReadPayload(options);
    if (!payload)
        return 1;
    TQRCode& code = options.Code;
    code.SetPayload(*payload);
    if (!code.Encode()) {
        CliError(code.RefusalReason());
        return 1;
    }

    QString report = QStringLiteral("version %1 level %2 mask %3 mode %4\n")
                         .arg(code.Version())
                         .arg(QLatin1Char(code.ErrorCorrectLevel()))
                         .arg(code.MaskNo())
                         .arg(QLatin1Char(code.EncodeMode()));
    if (options.Matrix)
        report += MatrixText(code.Matrix());
    CliOut(report);
    if (!options.Output.isEmpty() && !WritePng(code.ModuleBitmap(), options.Scale, options.Output))
        return 1;
    return 0;
}

} // namespace
