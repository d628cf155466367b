#pragma once
// The application frame: the macro table through which file names, registry keys,
// captions and messages are configured, the built-in macros, and the start conditions.
#include "core/frame/macro_string.h"

#include <functional>
#include <set>

class TSingleInstance;

enum class TExecuteCondition { NeedHighColor, NeedPrinter, Exclusive, PowerUsers };

// What the start conditions look at, so that they can be checked without a real screen
// or printer system.
struct TStartEnvironment {
    int colorDepth = 24;                       // bits per pixel of the screen
    std::function<bool()> hasDefaultPrinter;   // asked only when the condition is set
};

class TAppFrame {
public:
    TAppFrame();
    ~TAppFrame();
    TAppFrame(const TAppFrame&) = delete;
    TAppFrame& operator=(const TAppFrame&) = delete;

    TMacroString& Macro() { return macro_; }

    // The application's macro table, then the built-in macros for the program at that
    // path and version ("1.0.0"); installs the table as the application's macros.
    void Load(const QString& programPath, const QString& version);

    std::set<TExecuteCondition>& ExecuteCondition() { return conditions_; }

    // Checks the start conditions in order. Each failing one shows its message; all but
    // a missing default printer stop the start (false). A second instance hands the file
    // it was given to the running one before it stops.
    bool CheckStartConditions(const TStartEnvironment& environment, TSingleInstance& instance,
                              const QString& fileToHandOver);

private:
    TMacroString macro_;
    std::set<TExecuteCondition> conditions_;
};

// The program's own macro table (names and values as the program uses them).
QStringList ApplicationMacroTable();
