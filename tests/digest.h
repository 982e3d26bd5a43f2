#pragma once
// FNV-1a, 64 bits: a short, stable digest of bytes for tests that pin data.
#include <cstddef>
#include <cstdint>

namespace heli::testing {

inline std::uint64_t Fnv1a(const void* data, std::size_t size,
                           std::uint64_t h = 14695981039346656037ull) {
  const auto* p = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
  return h;
}

}  // namespace heli::testing
