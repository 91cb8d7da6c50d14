#pragma once

#include "files/fileproblem.h"

#include <string>

namespace ornal {

// Whether the file at path ends like a whole PDF, with its end-of-file marker in its last kilobyte; a file cut short
// by a full disk or by a stopped writer does not.
FileStep CheckPdfComplete(const std::string& path);

} // namespace ornal
