#pragma once
// The one error type of the media layer. Messages follow the design's texts where
// it gives them ("List index out of bounds (%d)", "Cannot open file %s", ...).
#include <stdexcept>

namespace media {

struct Error : std::runtime_error {
  using runtime_error::runtime_error;
};

}  // namespace media
