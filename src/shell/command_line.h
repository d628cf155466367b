#pragma once
// The designer's command line when it names no headless command: "lumarest [FILE]", the
// program options that answer at once (--help, --version), and Qt's own options, which
// pass through to the application object (a session manager restarts the program with
// "-session ID", for instance).
#include <QStringList>
#include <optional>

struct TCommandLine {
    enum class TKind { Designer, Help, Version, Usage };
    TKind Kind = TKind::Designer;
    // Designer: the document to open (empty for a new one).
    QString File;
    // Usage: what is wrong with the command line.
    QString Problem;
};

// Reads the arguments after the program's name. A first argument that is not an existing
// file and looks like no file either (no "." and no "/") is taken for an unknown command.
TCommandLine ParseCommandLine(const QStringList& arguments);

// Whether the program runs without dialogs (LUMAREST_NONINTERACTIVE set): messages go to
// standard error and questions take their default answer.
bool IsNonInteractive();

// The message for a document named at start that is no existing file, or nothing.
std::optional<QString> MissingFileMessage(const QString& path);
