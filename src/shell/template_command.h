#pragma once
// The designer's template command: the template browser for the face being edited; a
// chosen template replaces the face's design in the document.
class QWidget;
class TLabelData;

// True when a template was called into the face. A missing catalogue is shown by the
// browser itself.
bool RunTemplateCommand(QWidget* parent, TLabelData& document, int face);
