#pragma once
// Genre names of ID3 tags: the standard list (0 to 79) and Winamp's extension (80 to 125).
#include <QString>

// The name of genre number n, or "Unknown(n)" outside the table.
QString GenreName(int n);

// A genre text of an ID3v2 tag: a leading reference "(n)" is replaced by its name and the
// rest of the text follows it ("(17)Rock" gives "RockRock"); a reference that is no number
// reads as 0. A text beginning with "((" (an escaped parenthesis) is kept as it is.
QString GenreText(const QString& text);
