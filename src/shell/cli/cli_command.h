#pragma once
// The headless commands of the program ("lumarest <command> ..."): each command registers
// itself with a name, a one-line usage text, a one-line summary and its entry point.
#include <QStringList>

struct TCliCommand {
    const char* Name;
    const char* Usage;
    const char* Summary;
    // Runs the command with the arguments after its name; returns the exit status.
    int (*Run)(const QStringList& arguments);
};

// Registers a command at start-up: `static const TCliRegistration r{{"name", "usage", "summary", &Run}};`
struct TCliRegistration {
    explicit TCliRegistration(const TCliCommand& command);
};

// The registered command of that name, or nullptr.
const TCliCommand* FindCliCommand(const QString& name);

// The program's usage: how the designer starts, every command with its options and
// summary (by name), the program options and the environment it reads.
QString CliHelp();

// Writes a message to standard error (the program's messages are Japanese text).
void CliError(const QString& message);
// Writes text to standard output.
void CliOut(const QString& text);
// The command's usage line ("使い方: lumarest <name> <usage>").
QString CliCommandUsage(const TCliCommand& command);
// Prints the command's usage to standard error and returns the usage exit status (2).
int CliUsage(const TCliCommand& command);
// Prints the problem and the program's usage to standard error; returns the usage exit
// status (2).
int CliProgramUsage(const QString& problem);
