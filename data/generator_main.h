#pragma once
// The common frame of the build-time data generators: an offscreen GUI application (they
// paint), one argument naming the output folder, and any error reported on standard error
// with a non-zero exit status, so that the build stops there.
#include "core/error.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <functional>

inline int RunDataGenerator(int argc, char** argv, const char* name,
                            const std::function<void(const QString& folder)>& generate)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", name);
        return 2;
    }
    try {
        generate(arguments[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, ErrorText(error).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
