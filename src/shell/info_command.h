#pragma once
// The commands that edit a document's product and creator information; texts of the face
// being edited that are bound to the information take it afterwards, as one undoable step.
class QWidget;
class TEditSite;
class TLabelData;

// The question asked before edited product information is applied to the face's texts.
extern const char* const kApplyProductQuestion;

// Edits the product information; after OK, with the answer yes to the question, the face's
// product fields are filled (no stores the information only). True when it was stored.
bool RunProductInfoCommand(QWidget* parent, TLabelData& document, TEditSite* site);
// Edits the Japanese and English creator information; after OK the face's creator fields
// are filled. True when it was stored.
bool RunCreatorInfoCommand(QWidget* parent, TLabelData& document, TEditSite* site);
