// Fuzzes macro expansion: the input is a text (UTF-8) expanded with the application's own
// macro table, as message texts that quote file contents are; the first byte chooses
// whether quotes are stripped. Every failure must be a macro error, and a text without
// "$(" must come back unchanged (but for the quotes).
#include "core/error.h"
#include "core/frame/macro_string.h"
#include "shell/app_frame.h"

#include <QCoreApplication>
#include <cstdint>

namespace {

TAppFrame* frame = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static TAppFrame applicationFrame;
    applicationFrame.Load(QStringLiteral("/opt/lumarest/bin/lumarest"), QStringLiteral("1.0.0"));
    frame = &applicationFrame;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    TMacroString& macros = frame->Macro();
    macros.SetStripQuotes(data[0] % 2 == 0);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    try {
        const QString expanded = macros.Expand(text);
        const bool quoted = text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'));
        if (!text.contains(QLatin1String("$(")) && !quoted && expanded != text)
            __builtin_trap();
    } catch (const EAppError&) {
    }
    return 0;
}
