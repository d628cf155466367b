#pragma once
// The eight data mask patterns, the penalty score that rates a masked matrix, and the
// choice of the mask with the lowest score.
#include "objects/qr/qr_matrix.h"

constexpr int kQRMaskCount = 8;

// Whether mask pattern `mask` (0-7) inverts module (x, y).
bool QRMaskCondition(int mask, int x, int y);

// Inverts every data module for which the mask condition holds.
void ApplyQRMask(TQRMatrix& matrix, int mask);

// The penalty score of a matrix. A module reads dark only when it is a dark data module;
// function modules read light whatever their colour. The score adds, over every column and
// every row, 3 + (length - 5) for each run of 6 or more equal modules; 3 for every 2 x 2
// square of equal modules (overlapping squares counted separately); 40 for every
// occurrence of dark, light, dark, dark, dark, light, dark (no light border needed); and
// 10 x (|50 - 100 x D div T| div 5) for D dark data modules among T data modules.
int EvaluateMask(const TQRMatrix& matrix);

// The mask whose application to the unmasked matrix scores lowest; a tie keeps the lower
// mask number. The matrix is not changed.
int ChooseQRMask(const TQRMatrix& unmasked);
