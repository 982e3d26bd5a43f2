// The level image files in assets/data: every picture index the game draws exists,
// the start pictures are full-screen JPEGs, keyed pictures have no fringe pixels,
// animation frames keep one size, people stand on the objects that carry them, and
// the tall objects are solid where they are obstacles (20 px inside their edges).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/image_list.h"
#include "media/picture.h"

namespace {

std::string LevelFile(int n) {
  return std::string(HELI_SOURCE_DIR) + "/assets/data/lev" + std::to_string(n) + ".lta";
}

media::ImageList Load(int n) {
  media::ImageList list;
  list.LoadItemsFromFile(LevelFile(n));
  return list;
}

unsigned Reduce565(unsigned r, unsigned g, unsigned b) {
  return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
}

struct Size {
  int w = 0, h = 0;
};

Size SizeOf(const media::ImageList& list, int index) {
  return {list.ImageWidth(index), list.ImageHeight(index)};
}

// Indices each file must hold with a picture, and its start pictures.
struct FileUse {
  int n;
  std::vector<int> used;
  std::vector<int> start;
};

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

std::vector<FileUse> Uses() {
  return {
      {1, Range(8, 21), {17, 18, 19, 20, 21}},
      {2, Range(8, 20), {20}},
      {4, Range(8, 17), {17}},
      {6, {8, 9, 10, 11, 12, 14, 15, 16}, {16}},
      {8, Range(0, 17), {17}},
  };
}

// Fraction of the pixels in the area `inset` px inside the edges that are not the key.
double SolidInside(const media::PictureCollectionItem& item, int inset) {
  const media::RgbImage img = media::DecodePicture(item.Picture, item.Name);
  const unsigned c = item.TransparentColor;
  const unsigned key = Reduce565(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  long solid = 0, total = 0;
  for (int y = inset; y < img.height - inset; ++y) {
    for (int x = inset; x < img.width - inset; ++x) {
      const std::uint8_t* p = &img.rgb[3 * (static_cast<std::size_t>(y) * img.width + x)];
      ++total;
      if (!item.Transparent || Reduce565(p[0], p[1], p[2]) != key) ++solid;
    }
  }
  return total ? static_cast<double>(solid) / total : 0.0;
}

// A box (x0, y0)..(x1, y1), relative to an object's corner, lies inside its picture.
void ExpectInside(const media::ImageList& list, int index, int x0, int y0, int x1, int y1,
                  const std::string& what) {
  const Size s = SizeOf(list, index);
  EXPECT_GE(x0, 0) << what;
  EXPECT_GE(y0, 0) << what;
  EXPECT_LE(x1, s.w) << what << " (picture " << index << " is " << s.w << "x" << s.h << ")";
  EXPECT_LE(y1, s.h) << what << " (picture " << index << " is " << s.w << "x" << s.h << ")";
}

void ExpectSameSize(const media::ImageList& list, int from, int to, const std::string& what) {
  const Size first = SizeOf(list, from);
  for (int i = from + 1; i <= to; ++i) {
    const Size s = SizeOf(list, i);
    EXPECT_EQ(s.w, first.w) << what << " frame " << i;
    EXPECT_EQ(s.h, first.h) << what << " frame " << i;
  }
}

constexpr int kPersonW = 35, kPersonH = 24;

}  // namespace

TEST(LevelFiles, EveryUsedIndexHoldsAPicture) {
  for (const FileUse& use : Uses()) {
    const media::ImageList list = Load(use.n);
    for (int i : use.used) {
      ASSERT_LT(i, list.Count()) << "lev" << use.n << " has no item " << i;
      EXPECT_NE(list.Item(i).Picture.kind, media::PictureKind::None) << "lev" << use.n << " item " << i;
      EXPECT_GT(list.ImageWidth(i), 0) << "lev" << use.n << " item " << i;
    }
  }
}

TEST(LevelFiles, StartPicturesAreFullScreenJpegs) {
  for (const FileUse& use : Uses()) {
    const media::ImageList list = Load(use.n);
    for (int i : use.start) {
      ASSERT_LT(i, list.Count());
      const media::PictureCollectionItem& item = list.Item(i);
      EXPECT_EQ(item.Picture.kind, media::PictureKind::Jpeg) << "lev" << use.n << " item " << i;
      EXPECT_EQ(item.Picture.width, 800) << "lev" << use.n << " item " << i;
      EXPECT_EQ(item.Picture.height, 600) << "lev" << use.n << " item " << i;
      EXPECT_FALSE(item.Transparent) << "lev" << use.n << " item " << i;
    }
  }
}

TEST(LevelFiles, KeyedPicturesHaveNoFringe) {
  for (const FileUse& use : Uses()) {
    media::ImageList list = Load(use.n);
    for (int i = 0; i < list.Count(); ++i) {
      media::PictureCollectionItem& item = list.Item(i);
      if (item.Picture.kind == media::PictureKind::None || !item.Transparent) continue;
      const media::RgbImage img = media::DecodePicture(item.Picture, item.Name);
      const unsigned c = item.TransparentColor;
      const unsigned kr = c & 0xFF, kg = (c >> 8) & 0xFF, kb = (c >> 16) & 0xFF;
      const unsigned key = Reduce565(kr, kg, kb);
      long near_key = 0, exact = 0;
      const long count = static_cast<long>(img.width) * img.height;
      for (long p = 0; p < count; ++p) {
        const std::uint8_t* px = &img.rgb[3 * p];
        const bool is_exact = px[0] == kr && px[1] == kg && px[2] == kb;
        if (is_exact) ++exact;
        else if (Reduce565(px[0], px[1], px[2]) == key) ++near_key;
      }
      EXPECT_EQ(near_key, 0) << "lev" << use.n << " item " << i << " " << item.Name;
      EXPECT_GT(exact, 0) << "lev" << use.n << " item " << i << " has no transparent pixel";
      EXPECT_LT(exact, count) << "lev" << use.n << " item " << i << " has no visible pixel";

      // The prepared surface agrees: its key is the reduced colour.
      item.Prepare();
      const media::Surface* s = item.Prepared();
      ASSERT_NE(s, nullptr);
      EXPECT_EQ(s->Width(), img.width);
      EXPECT_EQ(s->Height(), img.height);
      EXPECT_EQ(s->ColorKey(), key) << "lev" << use.n << " item " << i;
    }
  }
}

TEST(LevelFiles, AnimationFramesKeepOneSize) {
  const media::ImageList l1 = Load(1), l2 = Load(2), l4 = Load(4), l6 = Load(6), l8 = Load(8);
  ExpectSameSize(l1, 13, 16, "lev1 camp");
  ExpectSameSize(l2, 8, 12, "lev2 building");
  ExpectSameSize(l2, 16, 19, "lev2 fire");
  ExpectSameSize(l4, 8, 12, "lev4 burning platform");
  ExpectSameSize(l4, 13, 16, "lev4 platforms");
  ExpectSameSize(l6, 8, 12, "lev6 boat");
  for (int s = 0; s < 4; ++s) ExpectSameSize(l8, 4 * s, 4 * s + 3, "lev8 structure " + std::to_string(5 + s));
}

TEST(LevelFiles, FireSurroundsTheBurningBuilding) {
  const media::ImageList l2 = Load(2);
  const Size b = SizeOf(l2, 8), f = SizeOf(l2, 16);
  // drawn 40 px up and left of the building, so it shows 40 px around every edge
  EXPECT_EQ(f.w, b.w + 80);
  EXPECT_EQ(f.h, b.h + 80);
}

TEST(LevelFiles, PeopleStandOnTheirObjects) {
  const media::ImageList l1 = Load(1), l2 = Load(2), l4 = Load(4), l6 = Load(6), l8 = Load(8);
  // Levels 1, 3, 5, 7, 9: the camp lies on an island at (50, 105); people at the
  // camp's x and x + 80, y - 30 .. y + 89.
  const Size camp = SizeOf(l1, 13);
  for (int i = 8; i <= 12; ++i) {
    ExpectInside(l1, i, 50, 105, 50 + camp.w, 105 + camp.h, "camp on island " + std::to_string(i));
    ExpectInside(l1, i, 50, 105 - 30, 50 + 80 + kPersonW, 105 + 89 + kPersonH,
                 "people on island " + std::to_string(i));
  }
  // Level 2: people at building + (80 .. 109, 80 .. 139), running 52 px right.
  for (int i = 8; i <= 12; ++i)
    ExpectInside(l2, i, 80, 80, 109 + 52 + kPersonW, 139 + kPersonH, "people on the roof");
  // Level 4: people at + (55 .. 99, 130 .. 184) on every platform.
  for (int i = 8; i <= 16; ++i)
    ExpectInside(l4, i, 55, 130, 99 + kPersonW, 184 + kPersonH, "people on platform " + std::to_string(i));
  // Level 6: people at boat + (55 .. 79, 200 .. 234).
  for (int i = 8; i <= 12; ++i) ExpectInside(l6, i, 55, 200, 79 + kPersonW, 234 + kPersonH, "people aboard");
  // Level 8: the four structures.
  ExpectInside(l8, 0, 180, 100, 224 + kPersonW, 124 + kPersonH, "people on structure 5");
  ExpectInside(l8, 4, 40, 10, 59 + kPersonW, 34 + kPersonH, "people on structure 6");
  ExpectInside(l8, 8, 60, 60, 79 + kPersonW, 84 + kPersonH, "people on structure 7");
  ExpectInside(l8, 12, 50, 80, 69 + kPersonW, 159 + kPersonH, "people on structure 8");
}

TEST(LevelFiles, TallObjectsAreSolidWhereTheyAreObstacles) {
  struct Tall {
    int n, from, to;
    double min_solid;
  };
  // The islands and platforms fill their obstacle area; the ship's rounded bow
  // leaves a little sea in the corners.
  for (const Tall& t : {Tall{1, 8, 12, 1.0}, Tall{4, 8, 16, 1.0}, Tall{8, 0, 3, 0.97}, Tall{8, 4, 15, 1.0}}) {
    const media::ImageList list = Load(t.n);
    for (int i = t.from; i <= t.to; ++i)
      EXPECT_GE(SolidInside(list.Item(i), 20), t.min_solid) << "lev" << t.n << " item " << i;
  }
}

TEST(LevelFiles, MapPicturesFitTheMap) {
  const media::ImageList l6 = Load(6), l8 = Load(8);
  EXPECT_EQ(SizeOf(l6, 14).w, 7);
  EXPECT_EQ(SizeOf(l6, 14).h, 7);
  // drawn at screen (170, 370); the structures' marks are at screen (200..400, 425..430)
  const Size o = SizeOf(l8, 16);
  EXPECT_GT(170 + o.w, 400);
  EXPECT_GT(370 + o.h, 430);
  EXPECT_LE(170 + o.w, 800);
  EXPECT_LE(370 + o.h, 600);
}
