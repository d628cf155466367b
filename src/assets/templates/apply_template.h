#pragma once
// Calling a template into a label: the template label's design replaces every object of
// a face of the document being edited.
#include <QString>

class TLabelData;
struct TTemplateInfo;

// The question asked before a template replaces a face's design.
QString ApplyTemplatePrompt();

// Reads the template's label and stores its objects as the face's design (the face's old
// objects go). Raises the document's error when the template cannot be read or has no such
// sheet; the face is then unchanged.
void ApplyTemplate(const TTemplateInfo& info, TLabelData& target, int face);
