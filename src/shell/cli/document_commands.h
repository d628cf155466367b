#pragma once
// What the document commands share: opening the data files and a document, in the
// program's own words on failure.
#include <QString>
#include <memory>

class TLabelData;
class TdataMain;

// The paper and product databases, or nullptr after reporting why they could not open.
std::unique_ptr<TdataMain> OpenCliData();

// The document at path, or nullptr after reporting that it is not a label document.
std::unique_ptr<TLabelData> OpenCliDocument(const QString& path);

// Parses a non-negative number argument; false (after reporting) when it is none.
bool ParseCliNumber(const QString& option, const QString& text, int& value);
