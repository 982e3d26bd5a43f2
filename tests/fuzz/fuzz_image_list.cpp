// The level image file reader: LoadItemsFromMemory, then every item prepared and drawn
// once, as a level start does.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "media/error.h"
#include "media/image_list.h"
#include "media/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  media::ImageList list;
  try {
    list.LoadItemsFromMemory(std::span<const std::uint8_t>(data, size), "fuzz.lta");
  } catch (const media::Error&) {
    FUZZ_CHECK(list.Count() == 0);  // a bad file leaves the list empty
    return 0;
  }
  media::Surface screen(64, 48);
  for (media::PictureCollectionItem& item : list.Items()) {
    try {
      item.Prepare();
    } catch (const media::Error&) {
      continue;
    }
    FUZZ_CHECK(item.Initialized());
    if (const media::Surface* s = item.Prepared()) {
      // A whole picture is one pattern; a pattern cell larger than the picture makes none.
      if (item.PatternWidth <= 0 && item.PatternHeight <= 0) FUZZ_CHECK(item.PatternCount() == 1);
      FUZZ_CHECK(item.PatternCount() >= 0);
      for (int pattern : {0, item.PatternCount() - 1, item.PatternCount(), -1}) {
        item.DrawImage(screen, -3, 5, pattern);
        item.DrawRotated(screen, 20, 20, 17, 13, pattern, 0.5, 0.5, 40, 128);
      }
      (void)s;
    } else {
      FUZZ_CHECK(item.PatternCount() == 0);
    }
  }
  for (int i = -1; i <= list.Count(); ++i) {
    FUZZ_CHECK(list.ImageWidth(i) >= 0 && list.ImageHeight(i) >= 0);
  }
  return 0;
}
