#pragma once

#include "reduction/arrivalspace.h"
#include "reduction/designlibrary.h"

#include <vector>

namespace ornal {

// The smallest design of the library that fits the space, relabelled to its lines: the space must be the full list of
// the horses its lines use (every line of k horses among them holding every base, every arrival among them promised
// and no other), as a prediction computed whole, or whole once some horses are removed. The design's horses 0, 1, ...
// become the lines' horses other than the bases, in rising order, each line holding the bases too. A design is used
// only when every promised arrival is met by one of its lines; one that fails is passed over for the next. Empty when
// none fits and holds.
std::vector<ArrivalSpace::Index> LibraryDesign(const ArrivalSpace& space, const DesignLibrary& library);

} // namespace ornal
