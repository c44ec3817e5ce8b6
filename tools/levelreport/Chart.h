#pragma once

#include <string>
#include <vector>

#include "tools/levelreport/Results.h"

namespace levelreport {

// The report's picture: three bands over the levels, chapters of five marked. The share of runs won (the
// bar is green at 4 in 5 or better); the time left when won, over the limit (mean, with the least and the
// most); and the gold a run earned. Written as PNG through a temporary file; false with error when it
// cannot be.
bool WriteChart(const std::string& path, const std::string& title, const std::vector<LevelSummary>& levels,
                std::string& error);

}  // namespace levelreport
