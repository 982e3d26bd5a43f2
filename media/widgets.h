#pragma once
// The window's own controls that lie over the picture: panels holding stretched
// pictures and text labels. The game only changes their plain fields (a gauge's
// Width, an icon's Visible, a label's Caption); the display shows every visible
// panel over each presented frame, so the picture never paints over them.
#include <memory>
#include <string>
#include <vector>

#include "media/surface.h"
#include "media/text.h"

namespace media {

// A rectangle of a surface that a widget's drawing is kept within.
struct ClipRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

class ImageWidget {  // TImage
 public:
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Stretch = false;
  // Leaves out every pixel of the picture's bottom-left colour.
  bool Transparent = false;
  bool Center = false;
  // The picture in the surface format; shared by widgets that show the same one.
  std::shared_ptr<const Surface> Picture;

  void Draw(Surface& dest, int origin_x, int origin_y) const;
  // The same, leaving every pixel outside `clip` as it was.
  void Draw(Surface& dest, int origin_x, int origin_y, const ClipRect& clip) const;
};

class Label {  // TLabel
 public:
  int Left = 0, Top = 0;
  std::string Caption;
  FontSpec Font{8, 72, false};
  TColor Color = clBlack;
  bool Visible = true;

  void Draw(Surface& dest, int origin_x, int origin_y) const;
};

class Panel {  // TPanel
 public:
  int Left = 0, Top = 0, Width = 0, Height = 0;
  TColor Color = clBlack;
  bool Visible = true;

  // Children are drawn in the order added, later ones above earlier ones.
  void Add(ImageWidget* child) { children_.push_back({child, nullptr, Look{}}); }
  void Add(Label* child) { children_.push_back({nullptr, child, Look{}}); }

  // Draws the panel at its place.
  void Draw(Surface& dest);
  // The panel as it looks now (Width x Height). Kept from one call to the next and
  // redrawn only where a widget changed, without allocating (unless the panel
  // itself changed size).
  const Surface& Rendered();

 private:
  // What a child looked like when last rendered.
  struct Look {
    bool label = false;
    bool visible = false;
    int left = 0, top = 0, width = 0, height = 0;
    bool stretch = false, transparent = false, center = false;
    const Surface* picture = nullptr;
    std::string caption;
    FontSpec font;
    TColor color = 0;
    bool operator==(const Look&) const = default;
  };
  struct Child {
    ImageWidget* image;
    Label* label;
    Look shown;
  };
  static void LookOf(const Child& c, Look& look);
  // The part of the panel a child with this look may draw on.
  ClipRect Area(const Look& look) const;
  std::vector<Child> children_;
  Surface cached_;
  int cached_width_ = 0, cached_height_ = 0;
  TColor cached_color_ = 0;
  Look scratch_;  // compared against, kept so that its caption keeps its room
};

}  // namespace media
