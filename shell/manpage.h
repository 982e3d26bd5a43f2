#pragma once
// The manual page, in roff, made from the same texts as --help.
#include <string>

namespace heli {

std::string ManPage();

}  // namespace heli
