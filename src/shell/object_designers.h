#pragma once
// The property-dialog designers of the object rooms, registered with an editing context.
#include <functional>

class TEditContext;
class TLabelData;

// document, when given, names the document being edited (or none), whose information the
// text dialog offers for binding texts to fields.
void RegisterObjectDesigners(TEditContext& context, std::function<TLabelData*()> document = {});
