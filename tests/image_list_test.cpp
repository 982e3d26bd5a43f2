// The image list: items, index errors, LoadItemsFromFile's failure cases,
// initialisation and preparation, patterns, and the list-level draws.
#include "media/image_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "imaging_fixtures.h"
#include "media/lta.h"
#include "media/lta_writer.h"

namespace {

using fixtures::Busy;
using fixtures::Filled;
using fixtures::MakeItem;
using fixtures::SameSurface;
using media::ImageList;
using media::Surface;

constexpr media::Pixel kBack = 0x0841;

std::vector<media::PictureCollectionItem> ThreeItems() {
  std::vector<media::PictureCollectionItem> items;
  items.push_back(MakeItem(Busy(10, 7), true, media::clWhite, false));
  items.back().Name = "first";
  media::PictureCollectionItem empty;  // like vrt 26 "prazdne": no picture
  empty.Name = "prazdne";
  empty.TransparentColor = media::clWhite;
  items.push_back(empty);
  items.push_back(MakeItem(Busy(5, 9, 2), false, 0x223738, false));
  items.back().Name = "third";
  return items;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(ImageList, ItemOutsideTheListRaisesTheListError) {
  ImageList list;
  list.Items() = ThreeItems();
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(2).Name, "third");
  for (int bad : {3, -1, 1000}) {
    try {
      list.Item(bad);
      ADD_FAILURE() << bad;
    } catch (const media::Error& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  const ImageList& c = list;
  EXPECT_THROW(c.Item(3), media::Error);
}

TEST(ImageList, ImageSizesFollowPatternSizesAndBadIndicesGiveZero) {
  ImageList list;
  list.Items() = ThreeItems();
  EXPECT_EQ(list.ImageWidth(0), 10);
  EXPECT_EQ(list.ImageHeight(0), 7);
  EXPECT_EQ(list.ImageWidth(1), 0);
  EXPECT_EQ(list.ImageWidth(5), 0);
  EXPECT_EQ(list.ImageHeight(-1), 0);
  list.Item(0).PatternWidth = 4;
  list.Item(0).PatternHeight = -3;
  EXPECT_EQ(list.ImageWidth(0), 4);
  EXPECT_EQ(list.ImageHeight(0), 7);
}

TEST(ImageList, InitializePreparesAndFinalizeDrops) {
  ImageList list;
  list.Items() = ThreeItems();
  EXPECT_FALSE(list.Initialized());
  Surface d = Filled(30, 30, kBack);
  list.DrawImage(d, 0, 0, 0);  // not initialised: nothing
  list.DrawRotated(d, 0, 15, 15, 10, 7, 0.5, 0.5, 0, 255);
  EXPECT_TRUE(SameSurface(d, Filled(30, 30, kBack)));
  list.Initialize();
  EXPECT_TRUE(list.Initialized());
  for (const auto& item : list.Items()) EXPECT_TRUE(item.Initialized());
  ASSERT_NE(list.Item(0).Prepared(), nullptr);
  EXPECT_EQ(list.Item(1).Prepared(), nullptr);  // no picture
  EXPECT_EQ(list.Item(2).Prepared()->ColorKey(), media::ReduceColor(0x223738));
  EXPECT_TRUE(list.Item(2).Prepared()->HasColorKey());  // set even though not Transparent
  EXPECT_EQ(list.Item(2).Prepared()->At(3, 4), fixtures::ReducedAt(Busy(5, 9, 2), 3, 4));
  list.DrawImage(d, 2, 0, 0);
  EXPECT_EQ(d.At(3, 4), fixtures::ReducedAt(Busy(5, 9, 2), 3, 4));
  list.Finalize();
  EXPECT_FALSE(list.Initialized());
  for (const auto& item : list.Items()) {
    EXPECT_FALSE(item.Initialized());
    EXPECT_EQ(item.Prepared(), nullptr);
  }
}

TEST(ImageList, ImageWithoutPictureAndBadIndicesDrawNothing) {
  ImageList list;
  list.Items() = ThreeItems();
  list.Initialize();
  Surface d = Filled(30, 30, kBack);
  for (int index : {1, -1, 3, 99}) {
    list.DrawImage(d, index, 0, 0);
    list.DrawRotated(d, index, 15, 15, 20, 20, 0.5, 0.5, 17, 255);
  }
  EXPECT_TRUE(SameSurface(d, Filled(30, 30, kBack)));
  EXPECT_EQ(list.Item(1).PatternCount(), 0);
}

TEST(ImageList, LoadItemsFromFileReplacesTheListAndPreparesWhenInitialised) {
  const fixtures::ScopedFolder folder;
  const std::string path = folder.Path("good.lta");
  const auto items = ThreeItems();
  WriteFile(path, media::WriteImageListFile(items));
  ImageList list;
  list.Items() = {MakeItem(Busy(3, 3), false, 0, false)};
  list.LoadItemsFromFile(path);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(0).Name, "first");
  EXPECT_EQ(list.Item(1).Picture.kind, media::PictureKind::None);
  EXPECT_FALSE(list.Item(0).Initialized());
  list.Initialize();
  list.LoadItemsFromFile(path);
  EXPECT_TRUE(list.Item(0).Initialized());
  ASSERT_NE(list.Item(0).Prepared(), nullptr);
  EXPECT_EQ(list.Item(0).Prepared()->Width(), 10);
}

TEST(ImageList, LoadItemsFromMissingFileLeavesTheListAsItWas) {
  ImageList list;
  list.Items() = ThreeItems();
  list.Initialize();
  const fixtures::ScopedFolder folder;
  const std::string missing = folder.Path("no_such_file.lta");
  try {
    list.LoadItemsFromFile(missing);
    ADD_FAILURE();
  } catch (const media::Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
  }
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(2).Name, "third");
  EXPECT_NE(list.Item(0).Prepared(), nullptr);
  // A folder cannot be read either; the list stays.
  EXPECT_THROW(list.LoadItemsFromFile(std::filesystem::path(missing).parent_path().string()),
               media::Error);
  EXPECT_EQ(list.Count(), 3);
}

TEST(ImageList, LoadItemsFromFileWithWrongFirstByteLeavesTheListEmpty) {
  auto bytes = media::WriteImageListFile(ThreeItems());
  bytes[0] = 0xFE;
  const fixtures::ScopedFolder folder;
  const std::string path = folder.Path("wrong_first_byte.lta");
  WriteFile(path, bytes);
  ImageList list;
  list.Items() = ThreeItems();
  try {
    list.LoadItemsFromFile(path);
    ADD_FAILURE();
  } catch (const media::Error& e) {
    EXPECT_EQ(std::string(e.what()), "Invalid stream format");
  }
  EXPECT_EQ(list.Count(), 0);
  // A malformed stream: also emptied, with the reader's error.
  bytes = media::WriteImageListFile(ThreeItems());
  bytes.resize(bytes.size() - 5);
  WriteFile(path, bytes);
  list.Items() = ThreeItems();
  EXPECT_THROW(list.LoadItemsFromFile(path), media::Error);
  EXPECT_EQ(list.Count(), 0);
  // An empty file has no header.
  WriteFile(path, {});
  list.Items() = ThreeItems();
  EXPECT_THROW(list.LoadItemsFromFile(path), media::Error);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, PatternsCutThePictureIntoAGrid) {
  auto item = MakeItem(Busy(23, 10), false, 0, false);
  item.PatternWidth = 5;
  item.PatternHeight = 4;
  item.SkipWidth = 1;
  item.SkipHeight = 2;
  item.Prepare();
  // (23 + 1) / 6 = 4 columns, (10 + 2) / 6 = 2 rows.
  EXPECT_EQ(item.PatternCount(), 8);
  EXPECT_EQ(item.ImageWidth(), 5);
  Surface d = Filled(20, 20, kBack);
  item.DrawImage(d, 2, 3, 5);  // column 1, row 1: source (6, 6)
  const auto img = Busy(23, 10);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(d.At(2 + x, 3 + y), fixtures::ReducedAt(img, 6 + x, 6 + y));
  EXPECT_EQ(d.At(7, 3), kBack);
  EXPECT_EQ(d.At(2, 7), kBack);
  Surface r = Filled(20, 20, kBack);
  item.DrawRotated(r, 10, 10, 5, 4, 5, 0.5, 0.5, 0, 255);
  Surface e = Filled(20, 20, kBack);
  item.DrawImage(e, 8, 8, 5);
  EXPECT_TRUE(SameSurface(r, e));
}

TEST(ImageList, CopiedItemsShareTheirPreparedPicture) {
  const auto a = MakeItem(Busy(6, 6), false, 0);
  auto b = a;
  EXPECT_TRUE(b.Initialized());
  EXPECT_EQ(a.Prepared(), b.Prepared());
  b.Drop();
  EXPECT_NE(a.Prepared(), nullptr);
  EXPECT_EQ(b.Prepared(), nullptr);
}

TEST(ImageList, PrepareRejectsAPictureThatDoesNotDecode) {
  media::PictureCollectionItem item;
  item.Name = "broken";
  item.Picture.kind = media::PictureKind::Jpeg;
  item.Picture.bytes = {10,  'T', 'J', 'P', 'E', 'G', 'I',  'm', 'a',
                        'g', 'e', 2,   0,   0,   0,   0xFF, 0xD8};
  try {
    item.Prepare();
    ADD_FAILURE();
  } catch (const media::Error& e) {
    EXPECT_NE(std::string(e.what()).find("broken"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(item.Initialized());
}

}  // namespace
