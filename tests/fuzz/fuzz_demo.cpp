// The demo reader: any text either throws "FILE:LINE: message" or gives a demo that
// FormatDemo writes back to the same demo.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "shell/demo.h"

namespace {

bool Same(const heli::Demo& a, const heli::Demo& b) {
  if (a.rate != b.rate || a.seed != b.seed || a.events.size() != b.events.size()) return false;
  for (std::size_t i = 0; i < a.events.size(); ++i) {
    const heli::DemoEvent &x = a.events[i], &y = b.events[i];
    if (x.tick != y.tick || x.kind != y.kind || x.keys != y.keys || x.x != y.x || x.y != y.y)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  heli::Demo demo;
  try {
    demo = heli::ParseDemo(text, "fuzz.demo");
  } catch (const std::runtime_error& e) {
    FUZZ_CHECK(std::string_view(e.what()).starts_with("fuzz.demo:"));
    return 0;
  }
  FUZZ_CHECK(demo.rate >= 1 && demo.rate <= 1000);
  std::int64_t last = 0;
  for (const heli::DemoEvent& e : demo.events) {
    FUZZ_CHECK(e.tick >= last);
    last = e.tick;
    if (e.kind == heli::DemoEvent::Kind::Press) FUZZ_CHECK(e.keys.size() == 1);
    for (int k : e.keys) FUZZ_CHECK(heli::DemoKeyName(k) != nullptr);
  }
  const std::string written = heli::FormatDemo(demo);
  heli::Demo again;
  try {
    again = heli::ParseDemo(written, "written.demo");
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "written demo does not read back: %s\n", e.what());
    std::abort();
  }
  FUZZ_CHECK(Same(demo, again));
  return 0;
}
