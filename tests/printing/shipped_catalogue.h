#pragma once
// The generated system catalogue, opened read-only, with its classes registered.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_v2.h"

#include <memory>

inline std::unique_ptr<TPapersV2> OpenShippedCatalogue()
{
    RegisterCatalogueClasses();
    return std::make_unique<TPapersV2>(QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr"), false, true);
}
