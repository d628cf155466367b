#pragma once
// Colour fills streamed the way documents and the colour history hold them: inside a
// TColorSpecWrapper.
#include <QByteArray>

class TColorSpec;

namespace colortest {

// The component stream of a wrapper holding a copy of the fill.
QByteArray WrappedBytes(const TColorSpec& spec);
// Reads such a stream and copies the wrapper's fill into spec.
void ReadWrapped(const QByteArray& bytes, TColorSpec& spec);

} // namespace colortest
