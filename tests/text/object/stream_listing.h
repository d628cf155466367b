#pragma once
// The properties of a component stream's root record as (name, value) pairs in stream order,
// read independently of the reader under test; values are written out as text (integers in
// decimal, identifiers and booleans by name, strings as they are, binary data in hex).
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

using TPropertyListing = std::vector<std::pair<QByteArray, QString>>;

TPropertyListing ListProperties(const QByteArray& componentBytes);
// The names alone.
std::vector<QByteArray> PropertyNames(const QByteArray& componentBytes);
// The value of one property, or a null string when the stream does not hold it.
QString PropertyValue(const QByteArray& componentBytes, const QByteArray& name);
