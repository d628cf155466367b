#pragma once
// The shipped decorative rule tiles, drawn on the key colour 0xF0F0F0 that lets the label
// show through.
#include <QImage>
#include <QString>
#include <vector>

struct TDecoTile {
    QString FileName;
    QImage Image;
};

std::vector<TDecoTile> ShippedDecoTiles();
