#pragma once
// The font name and size fields of the property dialogs.
#include <QString>

class QComboBox;
class QWidget;
class TPointBasedFont;

// An editable list of the installed font families, showing the given name.
QComboBox* FontNameBox(QWidget* parent, const QString& name);
// An editable list of the usual point sizes, showing the given size.
QComboBox* FontSizeBox(QWidget* parent, int size);
// Name (with the character set the family supports) and size from the fields into the
// font; a size that does not parse as a positive number becomes fallbackSize.
void ApplyFontFields(TPointBasedFont& font, const QComboBox* name, const QComboBox* size, int fallbackSize);
