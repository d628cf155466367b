#pragma once
// The headless commands of the program ("lumarest <command> ..."): each command registers
// itself with a name, a one-line usage text and its entry point.
#include <QStringList>

struct TCliCommand {
    const char* Name;
    const char* Usage;
    // Runs the command with the arguments after its name; returns the exit status.
    int (*Run)(const QStringList& arguments);
};

// Registers a command at start-up: `static const TCliRegistration r{{"name", "usage", &Run}};`
struct TCliRegistration {
    explicit TCliRegistration(const TCliCommand& command);
};

// The registered command of that name, or nullptr.
const TCliCommand* FindCliCommand(const QString& name);

// Writes a message to standard error (the program's messages are Japanese text).
void CliError(const QString& message);
// Writes text to standard output.
void CliOut(const QString& text);
// Prints the command's usage to standard error and returns the usage exit status (2).
int CliUsage(const TCliCommand& command);
