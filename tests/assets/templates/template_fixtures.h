#pragma once
// Template documents for the catalogue tests: free papers whose faces carry a purpose and a
// rectangle, with a box drawn on chosen faces.
#include <QString>
#include <vector>

struct TRect;

struct TFixtureFace {
    QString Purpose;
    int Width;
    int Height;
    bool Designed; // whether the face gets a box
};

// Registers the classes the documents stream (once per test program).
void RegisterTemplateTestClasses();
// Saves a one-sheet document with these faces at path.
void WriteTemplate(const QString& path, const std::vector<TFixtureFace>& faces);
