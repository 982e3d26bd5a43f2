#pragma once
// Image lists and sprite drawing: TDXImageList with its
// TPictureCollection of TPictureCollectionItem, prepared as RGB565 surfaces and
// drawn by DrawImage (a clipped, colour-keyed 1:1 copy) and DrawRotated (scaled,
// rotated and optionally blended, in software).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "media/picture.h"
#include "media/surface.h"

namespace media {

class PictureCollectionItem {  // one image
 public:
  std::string Name;
  int PatternHeight = 0, PatternWidth = 0;
  StoredPicture Picture;
  int SkipHeight = 0, SkipWidth = 0;
  bool SystemMemory = false;
  bool Transparent = true;
  TColor TransparentColor = 0;

  // PatternWidth if above 0, else the picture's width; likewise the height.
  int ImageWidth() const;
  int ImageHeight() const;

  // Drops the surfaces, decodes the picture, reduces it to an RGB565 surface whose
  // colour key is ReduceColor(TransparentColor) (set whether or not Transparent is
  // on; Transparent decides whether the draws honour it) and marks the image
  // initialised. An image without a picture is initialised with no surface.
  // Throws media::Error on a picture that cannot be decoded, "Surface cannot be
  // made" when the surface cannot be created.
  void Prepare();
  void Drop();  // drops the prepared surfaces; the image is no longer initialised
  // Readies a transparent picture's keyed copies onto `dest` (the platform encodes
  // the picture's runs for a destination at its first copy there), leaving `dest`
  // as it was.
  void ReadyFor(Surface& dest) const;
  bool Initialized() const { return initialized_; }
  // The prepared picture (always directly readable), or null when the image is not
  // prepared or has no picture.
  const Surface* Prepared() const;
  // The number of patterns of the prepared picture; 0 when there is none.
  int PatternCount() const;

  // The two draws. Neither ever throws; every impossible case draws nothing.
  void DrawImage(Surface& dest, int x, int y, int pattern) const;
  void DrawRotated(Surface& dest, int x, int y, int width, int height, int pattern, double centre_x,
                   double centre_y, int angle, int alpha) const;
  // Works out and remembers the draws of one shape at all 256 angles, as if each
  // had been drawn twice, so that the draws themselves only copy or blend.
  void RememberRotated(int width, int height, int pattern, double centre_x, double centre_y) const;

 private:
  // DrawRotated onto `dest`, or with a null `dest` only remembering the shape.
  void Rotated(Surface* dest, int x, int y, int width, int height, int pattern, double centre_x,
               double centre_y, int angle, int alpha) const;
  struct PreparedImage;
  // Copies of an item share its prepared surfaces (they are never changed once made).
  std::shared_ptr<PreparedImage> prepared_;
  bool initialized_ = false;
};

class ImageList {
 public:
  std::vector<PictureCollectionItem>& Items() { return items_; }
  const std::vector<PictureCollectionItem>& Items() const { return items_; }
  // Throws Error("List index out of bounds (%d)") for an index outside the list.
  PictureCollectionItem& Item(int index);
  const PictureCollectionItem& Item(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }

  // Replaces the list with the images of a level image file (format in lta.h).
  // A file that cannot be opened or read: "Cannot open file %s", the list keeps
  // its images. A file without the resource header: "Invalid stream format"; a
  // malformed stream or picture: the reader's error; in both cases the list has
  // been emptied. When the list is initialised, every loaded image is prepared.
  void LoadItemsFromFile(const std::string& path);
  void LoadItemsFromMemory(std::span<const std::uint8_t> data, const std::string& what);

  // Marks the list initialised and prepares every image, ready to be drawn on
  // `back` when given (so is every image loaded later); Finalize drops them all.
  void Initialize(Surface* back = nullptr);
  void Finalize();
  bool Initialized() const { return initialized_; }

  // The game's draws, always pattern 0: an index outside the list, an image without
  // a picture or a list not initialised draws nothing.
  void DrawImage(Surface& dest, int index, int x, int y) const;
  void DrawRotated(Surface& dest, int index, int x, int y, int width, int height, double centre_x,
                   double centre_y, int angle, int alpha) const;
  // RememberRotated of an image (pattern 0); a bad index does nothing.
  void RememberRotated(int index, int width, int height, double centre_x, double centre_y) const;
  int ImageWidth(int index) const;  // 0 for a bad index
  int ImageHeight(int index) const;

 private:
  const PictureCollectionItem* Drawable(int index) const;
  std::vector<PictureCollectionItem> items_;
  bool initialized_ = false;
  Surface* back_ = nullptr;
};

}  // namespace media
