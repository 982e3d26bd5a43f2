// Placeholder image lists until the real ones are merged; removed with that merge.
#include <stdexcept>

#include "media/image_list.h"
namespace media {
struct PictureCollectionItem::PreparedImage {};
int PictureCollectionItem::ImageWidth() const {
  return 0;
}
int PictureCollectionItem::ImageHeight() const {
  return 0;
}
void PictureCollectionItem::Prepare() {}
const Surface* PictureCollectionItem::Prepared() const {
  return nullptr;
}
PictureCollectionItem& ImageList::Item(int i) {
  if (i < 0 || i >= Count()) throw std::runtime_error("List index out of bounds");
  return items_[i];
}
void ImageList::LoadItemsFromMemory(std::span<const std::uint8_t>, const std::string&) {}
void ImageList::LoadItemsFromFile(const std::string&) {}
void ImageList::Initialize() {
  initialized_ = true;
}
void ImageList::DrawImage(Surface&, int, int, int) const {}
void ImageList::DrawRotated(Surface&, int, int, int, int, int, double, double, int, int) const {}
int ImageList::ImageWidth(int) const {
  return 0;
}
int ImageList::ImageHeight(int) const {
  return 0;
}
}  // namespace media
