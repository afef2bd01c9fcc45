// The season chart: the top ten players' totals after every scored period.
#pragma once

void SeasonChart();
