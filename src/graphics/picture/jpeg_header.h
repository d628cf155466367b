#pragma once
// The check every JPEG passes before it is decoded: the start-of-image marker, then the
// first frame header among the baseline, extended, progressive and arithmetic-coded frames
// (0xC0, 0xC1, 0xC2, 0xC9, 0xCA) with a positive size and one to three components.
#include <QByteArray>

struct TJPEGHeader {
    int Width = 0;
    int Height = 0;
    int Components = 0;
};

// Scans the markers up to the first frame header. Fails with "未対応のJPEG形式です" without
// the start-of-image marker, when the scan reaches the first scan, the end of the image or
// the end of the data without a frame, on a segment length below 2, and for a frame with
// zero width or height or with a component count other than 1, 2 or 3.
TJPEGHeader CheckJPEGHeader(const QByteArray& data);
