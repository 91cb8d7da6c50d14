#pragma once

#include <string>

namespace ornal {

// The French words for a system error number (errno), without capital or full stop, to follow "… : ".
std::string SystemErrorText(int errorNumber);

} // namespace ornal
