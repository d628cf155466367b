// Writes the shipped product database: the Japanese and English creator records and the
// reserved records, with no products.
#include "catalogue/catalogue_classes.h"
#include "catalogue/product/product_db.h"
#include "core/error.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: product_database OUTPUT.cdb\n");
        return 2;
    }
    try {
        RegisterCatalogueClasses();
        QFile::remove(arguments[1]);
        TProductDB database(arguments[1]);
        database.Load();
        database.SaveTo(arguments[1]);
    } catch (const EAppError& error) {
        std::fprintf(stderr, "product_database: %s\n", error.what());
        return 1;
    }
    return 0;
}
