#pragma once
#include <stdexcept>

namespace media {
// Every error the media layer raises, with the message the player or the log sees.
struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};
}  // namespace media
