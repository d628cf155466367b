#pragma once
class TPersistent;

// Replaces, in every stored string property of the object and its sub-objects and in the
// text of every string list among them, a value that holds "$(" by its expansion with the
// application's macros; then does the same for every child component. Expansion errors
// leave the value as it was.
void ExpandComponentMacros(TPersistent& object);
