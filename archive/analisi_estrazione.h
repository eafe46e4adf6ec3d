// The report of repetitions and special events of one draw: the numbers that
// repeat a number of the previous draw on the same wheel, the groups of three
// or more numbers of one cadence, figure or cabalistic decade, two or more
// twins, and the coming out of each wheel's most delayed number over the 250
// draws before. Missing numbers (0) take part in nothing.
#pragma once

#include <string>
#include <vector>

#include "core/archivio.h"

namespace Estrazioni {

// The report lines of draw s, one per grid row from row 0: the repetitions
// heading, one line per repeated number, an empty line, the events heading,
// the class events wheel by wheel (cadences, figures, decades, twins), then
// the most-delayed lines. The list has as many lines as the report needs.
// REQUIRES: 1 <= s <= 5000
std::vector<std::string> AnalisiEstrazione(const Archivio& a, int s);

// The most delayed number of each wheel before draw s ([w], w = 1..10): the
// number that went longest without coming out in the 250 draws before s (of
// two last drawn together, the later position); 0 when some number did not
// come out in those draws, or when fewer than 250 draws precede s.
std::vector<int> Ritardatari(const Archivio& a, int s);

}  // namespace Estrazioni
