#pragma once
// The designer's main window.
#include <QMainWindow>

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // Opens a label document file (from the command line or from a later instance).
    void OpenDocumentFile(const QString& path);
    // The first idle moment after start: the named document if there is one, else a new
    // document with the default paper.
    void StartFirstDocument(const QString& path);
};
