#include "shell/demo.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace heli {

namespace {

struct KeyName {
  const char* name;
  int code;
};

constexpr KeyName kKeys[] = {{"Up", 38},    {"Down", 40},  {"Left", 37},   {"Right", 39},
                             {"A", 65},     {"Z", 90},     {"PageUp", 33}, {"PageDown", 34},
                             {"Space", 32}, {"F1", 112},   {"M", 77},      {"I", 73},
                             {"Enter", 13}, {"Escape", 27}};

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

template <typename T>
bool Number(std::string_view s, T& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

int DemoKeyCode(std::string_view name) {
  for (const KeyName& k : kKeys)
    if (name == k.name) return k.code;
  return 0;
}

const char* DemoKeyName(int virtual_key) {
  for (const KeyName& k : kKeys)
    if (virtual_key == k.code) return k.name;
  return nullptr;
}

bool DemoHoldable(int virtual_key) {
  return virtual_key != 27 && DemoKeyName(virtual_key);
}

media::InputSet DemoStates(const std::vector<int>& keys) {
  media::InputSet states{};
  const auto& defaults = media::Input::DefaultAssignments();
  for (int k : keys)
    for (int n = 0; n < media::kInputStateCount; ++n)
      if (k && defaults[n][0] == k) states[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
  return states;
}

Demo ParseDemo(std::string_view text, const std::string& file_name) {
  Demo demo;
  int line_no = 0;
  bool header = false, events_started = false;
  std::int64_t last_tick = 0;
  auto fail = [&](const std::string& message) {
    throw std::runtime_error(file_name + ":" + std::to_string(line_no) + ": " + message);
  };
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++line_no;
    if (auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    std::vector<std::string_view> w = Words(line);
    if (w.empty()) {
      if (pos > text.size()) break;
      continue;
    }
    if (!header) {
      if (w.size() != 2 || w[0] != "heli-demo")
        fail("not a demo: the first line must be 'heli-demo 1'");
      if (w[1] != "1") fail("demo version " + std::string(w[1]) + " is not known (only 1)");
      header = true;
      continue;
    }
    if (w[0] == "rate" || w[0] == "seed") {
      if (events_started) fail(std::string(w[0]) + " must come before the events");
      if (w.size() != 2) fail(std::string(w[0]) + " takes one number");
      if (w[0] == "rate") {
        if (!Number(w[1], demo.rate) || demo.rate < 1 || demo.rate > 1000)
          fail("rate must be 1 to 1000 ticks per second");
      } else {
        std::uint32_t seed = 0;
        if (!Number(w[1], seed)) fail("seed must be a number 0 to 4294967295");
        demo.seed = seed;
      }
      continue;
    }
    if (w[0].empty() || w[0][0] != '@')
      fail("expected '@TICK COMMAND', got '" + std::string(w[0]) + "'");
    DemoEvent e;
    if (!Number(w[0].substr(1), e.tick) || e.tick < 0) fail("bad tick '" + std::string(w[0]) + "'");
    if (e.tick < last_tick)
      fail("tick " + std::to_string(e.tick) + " comes before tick " + std::to_string(last_tick));
    last_tick = e.tick;
    events_started = true;
    if (w.size() < 2) fail("a command must follow the tick");
    const std::string_view cmd = w[1];
    if (cmd == "hold") {
      e.kind = DemoEvent::Kind::Hold;
      for (std::size_t i = 2; i < w.size(); ++i) {
        const int code = DemoKeyCode(w[i]);
        if (!code || !DemoHoldable(code)) fail("unknown key '" + std::string(w[i]) + "' for hold");
        e.keys.push_back(code);
      }
    } else if (cmd == "press") {
      e.kind = DemoEvent::Kind::Press;
      if (w.size() != 3) fail("press takes one key");
      const int code = DemoKeyCode(w[2]);
      if (!code) fail("unknown key '" + std::string(w[2]) + "'");
      e.keys.push_back(code);
    } else if (cmd == "mouse") {
      e.kind = DemoEvent::Kind::Mouse;
      if (w.size() != 4 || !Number(w[2], e.x) || !Number(w[3], e.y))
        fail("mouse takes two whole numbers X Y");
    } else if (cmd == "click") {
      e.kind = DemoEvent::Kind::Click;
      if (w.size() != 2) fail("click takes nothing");
    } else if (cmd == "end") {
      e.kind = DemoEvent::Kind::End;
      if (w.size() != 2) fail("end takes nothing");
    } else {
      fail("unknown command '" + std::string(cmd) + "'");
    }
    demo.events.push_back(std::move(e));
    if (pos > text.size()) break;
  }
  if (!header) {
    line_no = 1;
    fail("not a demo: the first line must be 'heli-demo 1'");
  }
  return demo;
}

Demo LoadDemo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseDemo(text.str(), path);
}

std::string FormatDemo(const Demo& demo) {
  std::string out = "heli-demo 1\nrate " + std::to_string(demo.rate) + "\n";
  if (demo.seed) out += "seed " + std::to_string(*demo.seed) + "\n";
  for (const DemoEvent& e : demo.events) {
    out += "@" + std::to_string(e.tick);
    switch (e.kind) {
      case DemoEvent::Kind::Hold:
        out += " hold";
        for (int k : e.keys) out += std::string(" ") + DemoKeyName(k);
        break;
      case DemoEvent::Kind::Press:
        out += std::string(" press ") + DemoKeyName(e.keys.at(0));
        break;
      case DemoEvent::Kind::Mouse:
        out += " mouse " + std::to_string(e.x) + " " + std::to_string(e.y);
        break;
      case DemoEvent::Kind::Click:
        out += " click";
        break;
      case DemoEvent::Kind::End:
        out += " end";
        break;
    }
    out += "\n";
  }
  return out;
}

}  // namespace heli
