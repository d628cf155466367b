#pragma once
// What the processor offers beyond the baseline, asked once. The vectorised pixel loops run
// only where these say so; the table-driven scalar loops are the reference they must match.

// True when the processor and the operating system support AVX2.
bool CpuHasAvx2();
