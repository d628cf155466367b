#pragma once
// The shipped distortion patterns, in the order of the pattern file and its thumbnail strip.
#include <memory>
#include <vector>

class TCoonsDistortion;

// The patterns with their fixed GUIDs, so that a document's pattern is found again in every
// build of the file.
std::vector<std::unique_ptr<TCoonsDistortion>> ShippedPatterns();
