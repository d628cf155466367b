#pragma once
// Which of the document's information records a bound text object shows.
enum TFieldType { ftProduct = 0, ftCreatorJapanese = 1, ftCreatorEnglish = 2 };
