#include "media/lta.h"

#include <array>
#include <utility>

#include "media/error.h"

namespace media {
namespace {

enum ValueType : std::uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};

constexpr int kMaxNesting = 32;

struct NamedColor {
  std::string_view name;
  TColor value;
  bool standard;
};

constexpr std::array<NamedColor, 20> kColors = {{
    {"clBlack", 0x000000, true},  {"clMaroon", 0x000080, true},      {"clGreen", 0x008000, true},
    {"clOlive", 0x008080, true},  {"clNavy", 0x800000, true},        {"clPurple", 0x800080, true},
    {"clTeal", 0x808000, true},   {"clGray", 0x808080, true},        {"clSilver", 0xC0C0C0, true},
    {"clRed", 0x0000FF, true},    {"clLime", 0x00FF00, true},        {"clYellow", 0x00FFFF, true},
    {"clBlue", 0xFF0000, true},   {"clFuchsia", 0xFF00FF, true},     {"clAqua", 0xFFFF00, true},
    {"clWhite", 0xFFFFFF, true},  {"clMoneyGreen", 0xC0DCC0, false}, {"clSkyBlue", 0xF0CAA6, false},
    {"clCream", 0xF0FBFF, false}, {"clMedGray", 0xA4A0A0, false},
}};

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

class Reader {
 public:
  Reader(std::span<const std::uint8_t> data, const std::string& what) : d_(data), what_(what) {}

  [[noreturn]] void ReadError() const {
    throw Error("Stream read error (" + what_ + ", offset " + std::to_string(pos_) + ")");
  }
  [[noreturn]] void InvalidValue(const std::string& property) const {
    throw Error("Invalid property value (" + what_ + ", " + context_ + "property " + property +
                ", offset " + std::to_string(pos_) + ")");
  }
  [[noreturn]] void NoProperty(const std::string& property) const {
    throw Error("Property " + property + " does not exist (" + what_ + ", " + context_ + "offset " +
                std::to_string(pos_) + ")");
  }

  std::size_t Pos() const { return pos_; }
  std::size_t Left() const { return d_.size() - pos_; }
  void SetContext(std::string context) { context_ = std::move(context); }

  std::uint8_t Peek() const {
    if (Left() < 1) ReadError();
    return d_[pos_];
  }
  std::uint8_t U8() {
    if (Left() < 1) ReadError();
    return d_[pos_++];
  }
  std::uint32_t U16() {
    const auto b = Bytes(2);
    return b[0] | (b[1] << 8);
  }
  std::uint32_t U32() {
    const auto b = Bytes(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    if (Left() < n) ReadError();
    const auto s = d_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  void Skip(std::size_t n) { Bytes(n); }
  std::string ShortString() {
    const std::size_t n = U8();
    const auto b = Bytes(n);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
  }

  // Typed values.
  std::int32_t Integer(const std::string& property) {
    switch (U8()) {
      case vaInt8:
        return static_cast<std::int8_t>(U8());
      case vaInt16:
        return static_cast<std::int16_t>(U16());
      case vaInt32:
        return static_cast<std::int32_t>(U32());
      default:
        --pos_;
        InvalidValue(property);
    }
  }
  bool Boolean(const std::string& property) {
    switch (U8()) {
      case vaFalse:
        return false;
      case vaTrue:
        return true;
      default:
        --pos_;
        InvalidValue(property);
    }
  }
  std::string String(const std::string& property) {
    switch (U8()) {
      case vaString:
        return ShortString();
      case vaLString:
      case vaUTF8String: {
        const auto b = Bytes(U32());
        return std::string(reinterpret_cast<const char*>(b.data()), b.size());
      }
      default:
        --pos_;
        InvalidValue(property);
    }
  }
  TColor Color(const std::string& property) {
    const std::uint8_t type = Peek();
    if (type == vaIdent) {
      ++pos_;
      const std::size_t at = pos_;
      const std::string name = ShortString();
      const auto c = ColorFromIdent(name);
      if (!c) {
        pos_ = at;
        InvalidValue(property + " = " + name);
      }
      return *c;
    }
    return static_cast<TColor>(Integer(property));
  }

  void SkipValue(int depth = 0) {
    if (depth > kMaxNesting) ReadError();
    switch (U8()) {
      case vaNull:
      case vaFalse:
      case vaTrue:
      case vaNil:
        return;
      case vaList:
        while (Peek() != 0) SkipValue(depth + 1);
        ++pos_;
        return;
      case vaInt8:
        return Skip(1);
      case vaInt16:
        return Skip(2);
      case vaInt32:
      case vaSingle:
        return Skip(4);
      case vaCurrency:
      case vaDate:
      case vaInt64:
        return Skip(8);
      case vaExtended:
        return Skip(10);
      case vaString:
      case vaIdent:
        return Skip(U8());
      case vaBinary:
      case vaLString:
      case vaUTF8String:
        return Skip(U32());
      case vaWString: {
        const std::uint64_t n = U32();
        if (n * 2 > Left()) ReadError();
        return Skip(static_cast<std::size_t>(n * 2));
      }
      case vaSet:
        while (!ShortString().empty()) {
        }
        return;
      case vaCollection:
        while (Peek() != 0) {
          if (Peek() == vaInt8 || Peek() == vaInt16 || Peek() == vaInt32) SkipValue(depth + 1);
          if (U8() != vaList) ReadError();
          while (!ShortString().empty()) SkipValue(depth + 1);
        }
        ++pos_;
        return;
      default:
        --pos_;
        ReadError();
    }
  }

 private:
  std::span<const std::uint8_t> d_;
  std::size_t pos_ = 0;
  const std::string& what_;
  std::string context_;
};

PictureCollectionItem ReadItem(Reader& r, int index, const std::string& what) {
  PictureCollectionItem item;
  for (;;) {
    const std::string name = r.ShortString();
    if (name.empty()) break;
    if (name == "Name") {
      item.Name = r.String(name);
    } else if (name == "PatternHeight") {
      item.PatternHeight = r.Integer(name);
    } else if (name == "PatternWidth") {
      item.PatternWidth = r.Integer(name);
    } else if (name == "SkipHeight") {
      item.SkipHeight = r.Integer(name);
    } else if (name == "SkipWidth") {
      item.SkipWidth = r.Integer(name);
    } else if (name == "SystemMemory") {
      item.SystemMemory = r.Boolean(name);
    } else if (name == "Transparent") {
      item.Transparent = r.Boolean(name);
    } else if (name == "TransparentColor") {
      item.TransparentColor = r.Color(name);
    } else if (name == "Picture.Data") {
      if (r.Peek() != vaBinary) r.InvalidValue(name);
      r.U8();
      const std::uint32_t n = r.U32();
      const auto bytes = r.Bytes(n);
      std::string label = what + ", item " + std::to_string(index);
      if (!item.Name.empty()) label += " \"" + item.Name + "\"";
      item.Picture = ParseStoredPicture(bytes, label);
    } else {
      r.NoProperty(name);
    }
  }
  return item;
}

std::vector<PictureCollectionItem> ReadCollection(Reader& r, const std::string& what) {
  std::vector<PictureCollectionItem> items;
  for (;;) {
    std::uint8_t t = r.Peek();
    if (t == 0) {
      r.U8();
      break;
    }
    if (t == vaInt8 || t == vaInt16 || t == vaInt32) {  // an optional order value
      r.Integer("List");
      t = r.Peek();
    }
    if (t != vaList) r.InvalidValue("List");
    r.U8();
    const int index = static_cast<int>(items.size());
    r.SetContext("item " + std::to_string(index) + ", ");
    items.push_back(ReadItem(r, index, what));
    r.SetContext("");
  }
  return items;
}

}  // namespace

std::vector<PictureCollectionItem> ReadImageListFile(std::span<const std::uint8_t> data,
                                                     const std::string& what) {
  // 1. The resource header: only the first byte and the resource type are checked.
  if (data.size() < 3 || data[0] != 0xFF || (data[1] | (data[2] << 8)) != 10)
    throw Error("Invalid stream format");
  Reader r(data, what);
  r.Skip(3);
  while (r.U8() != 0) {
  }           // the resource name
  r.Skip(2);  // flags
  r.Skip(4);  // size of what follows
  // 2. The component stream.
  const auto signature = r.Bytes(4);
  if (signature[0] != 'T' || signature[1] != 'P' || signature[2] != 'F' || signature[3] != '0')
    throw Error("Invalid stream format");
  r.ShortString();  // class name (ignored, as the component reader does)
  r.ShortString();  // object name
  std::vector<PictureCollectionItem> items;
  for (;;) {
    const std::string name = r.ShortString();
    if (name.empty()) break;
    if (name == "List") {
      if (r.Peek() != vaCollection) r.InvalidValue(name);
      r.U8();
      items = ReadCollection(r, what);
    } else if (name == "Tag" || name == "Name") {
      r.SkipValue();
    } else {
      r.NoProperty(name);
    }
  }
  if (r.U8() != 0)
    throw Error("Invalid stream format: child components are not supported (" + what + ")");
  return items;
}

std::optional<TColor> ColorFromIdent(std::string_view name) {
  for (const auto& c : kColors)
    if (EqualNoCase(c.name, name)) return c.value;
  return std::nullopt;
}

std::string_view ColorIdent(TColor color) {
  for (const auto& c : kColors)
    if (c.standard && c.value == color) return c.name;
  return {};
}

}  // namespace media
