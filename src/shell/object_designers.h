#pragma once
// The property-dialog designers of the object rooms, registered with an editing context.
class TEditContext;

void RegisterObjectDesigners(TEditContext& context);
