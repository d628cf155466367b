#pragma once
// Where an arranged image puts its pictures: the cells of the ring, row, random and fixed
// layouts, computed from the canvas size and the pictures' sizes alone, so that placing is
// apart from decoding and drawing.
#include <QPointF>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

enum TArrangeStyle : int {
    asNone = 0,
    asCirCircum = 1,
    asCirContinue = 2,
    asCirDoughnut = 3,
    asCirCircle = 4,
    asRectTile = 5,
    asRectRandom = 6,
    asFixed = 7,
};

// The fewest and most pictures the ring styles draw.
inline constexpr int kRingMinPictures = 3;
inline constexpr int kRingMaxPictures = 36;

// One picture placed on the canvas.
struct TPlacement {
    int Picture = 0;   // index into the picture list
    QPointF Centre;    // centre of the drawn picture, canvas pixels
    QSize Size;        // size the picture is drawn at before turning
    int Angle = 0;     // clockwise turn in degrees about the centre
    bool Stretch = false; // fill Size exactly instead of fitting with the aspect kept
    // Ring sectors (doughnut and circle styles): the picture bent between two radii about
    // Centre, over SectorAngle degrees around the direction Angle.
    bool Sector = false;
    double Inner = 0;
    double Outer = 0;
    double SectorAngle = 0;
    bool Reverse = false; // the sector flipped top to bottom
    QRect Crop;        // part of the picture used; empty for the whole picture
};

// A random number from 0 to n - 1 (n > 0).
using TRandomSource = std::function<int(int n)>;
// The program's generator, seeded once.
TRandomSource DefaultRandomSource();

// The angle of ring position i of n, clockwise from the top: i * 360 div n.
int RingAngle(int i, int n);
// The point at distance d straight above the centre, turned by the angle.
QPointF RingPosition(QPointF centre, double d, int angle);

// Ring styles on an S x S canvas; sizes of empty pictures are skipped (their index is kept).
// Outside 3 to 36 usable pictures, nothing is placed.
std::vector<TPlacement> LayoutCircum(int side, int count, bool rotate, bool reverse);
std::vector<TPlacement> LayoutContinue(int side, const std::vector<QSize>& sizes, bool reverse);
std::vector<TPlacement> LayoutSectors(int side, const std::vector<QSize>& sizes, bool circle, bool reverse);

// Rows: the placements and the part of the canvas actually used (the composition is cut to
// it).
struct TRowLayout {
    std::vector<TPlacement> Placements;
    QSize Used;
};
TRowLayout LayoutRows(QSize canvas, const std::vector<QSize>& sizes, bool tileRepeat);
// Makes rows laid out by LayoutRows cover the whole canvas, as a background's tiling does:
// the rows repeat downwards to the bottom edge, each row continues with its own pictures
// until it passes the right edge (the last one cut off there), and with shift every second
// row starts half its first picture further left.
void CoverWithRows(TRowLayout& layout, QSize canvas, bool shift);

// The side of the random grid for n pictures: the smallest g with 2^g >= n, and at least
// the square root of n rounded up, so that every picture gets a cell.
int RandomGridSide(int count);
// Random scatter over a W x H canvas; the spare cells repeat pictures drawn at random.
std::vector<TPlacement> LayoutRandom(QSize canvas, const std::vector<QSize>& sizes, const TRandomSource& random);

// One slot of a fixed layout: its rectangle in thousandths of the canvas and its turn.
struct TLayoutSlot {
    QRect Thousandths; // left, top, right - left, bottom - top
    int Angle = 0;
};
std::vector<TPlacement> LayoutFixed(QSize canvas, const std::vector<TLayoutSlot>& layoutSlots, const std::vector<QSize>& sizes);
