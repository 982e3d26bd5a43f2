#pragma once
// The golden record of a demo: digests of the state dump at every 100th tick, one
// per field so that a difference can be named, and pixel digests of a dozen
// presented frames. Files live in tests/golden/; tools/golden-record rewrites them.
//
//   heli-golden 1
//   demo level3_complete.demo
//   options --level 3
//   frame TICK DIGEST LABEL          (one line per frame)
//   state TICK DIGEST [FIELD=DIGEST ...]
//
// A state line lists only the fields whose digest changed since the previous state
// line (all of them on the first), and DIGEST is that of the whole dump line.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "digest.h"

namespace heli::testing {

inline std::string Hex(std::uint64_t v) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
  return buf;
}

inline std::string Digest(const std::string& text) {
  return Hex(Fnv1a(text.data(), text.size()));
}

// A short digest of every top-level field of one dump line, by name: enough to name
// what changed; the line's own digest is the full one.
inline std::map<std::string, std::string> FieldDigests(const nlohmann::json& tick) {
  std::map<std::string, std::string> out;
  for (const auto& [name, value] : tick.items())
    if (name != "tick") out[name] = Digest(value.dump()).substr(0, 8);
  return out;
}

// Digest of a PNG's pixels (width, height and the decoded RGB rows); empty when
// the file cannot be read.
inline std::string PngPixelDigest(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return "";
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return "";
  const std::uint32_t size[2] = {image.width, image.height};
  return Hex(Fnv1a(pixels.data(), pixels.size(), Fnv1a(size, sizeof size)));
}

struct GoldenFrame {
  std::int64_t tick = 0;
  std::string digest, label;
};

struct GoldenState {
  std::int64_t tick = 0;
  std::string digest;
  std::map<std::string, std::string> fields;  // every field, carried over from earlier lines
};

struct GoldenRecord {
  std::string demo, options;
  std::vector<GoldenFrame> frames;
  std::vector<GoldenState> states;
};

inline bool ReadGolden(const std::string& path, GoldenRecord& out, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::string line;
  if (!std::getline(in, line) || line != "heli-golden 1") {
    error = path + ": not a golden record";
    return false;
  }
  std::map<std::string, std::string> fields;
  for (int number = 2; std::getline(in, line); ++number) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "demo") {
      words >> out.demo;
    } else if (kind == "options") {
      std::getline(words >> std::ws, out.options);
    } else if (kind == "frame") {
      GoldenFrame f;
      words >> f.tick >> f.digest;
      std::getline(words >> std::ws, f.label);
      out.frames.push_back(f);
    } else if (kind == "state") {
      GoldenState s;
      words >> s.tick >> s.digest;
      for (std::string pair; words >> pair;) {
        const auto eq = pair.find('=');
        if (eq == std::string::npos) break;
        fields[pair.substr(0, eq)] = pair.substr(eq + 1);
      }
      s.fields = fields;
      out.states.push_back(s);
    } else if (!kind.empty() && kind[0] != '#') {
      error = path + ":" + std::to_string(number) + ": unknown line";
      return false;
    }
    if (!words && !words.eof()) {
      error = path + ":" + std::to_string(number) + ": damaged line";
      return false;
    }
  }
  return true;
}

inline bool WriteGolden(const std::string& path, const GoldenRecord& record) {
  std::ofstream out(path, std::ios::binary);
  out << "heli-golden 1\n"
      << "# Written by tools/golden-record; rewrite it only for an intended change.\n"
      << "demo " << record.demo << "\noptions " << record.options << "\n";
  for (const auto& f : record.frames)
    out << "frame " << f.tick << " " << f.digest << " " << f.label << "\n";
  const std::map<std::string, std::string>* previous = nullptr;
  for (const auto& s : record.states) {
    out << "state " << s.tick << " " << s.digest;
    for (const auto& [name, digest] : s.fields) {
      if (previous) {
        auto it = previous->find(name);
        if (it != previous->end() && it->second == digest) continue;
      }
      out << " " << name << "=" << digest;
    }
    out << "\n";
    previous = &s.fields;
  }
  return static_cast<bool>(out);
}

}  // namespace heli::testing
