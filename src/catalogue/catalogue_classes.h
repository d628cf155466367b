#pragma once
// Makes the catalogue's stored classes creatable by name from streams: the two paper
// kinds, the per-paper records and the update record.
void RegisterCatalogueClasses();
