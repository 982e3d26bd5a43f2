#pragma once
// The window's own controls that lie over the picture: panels holding stretched
// pictures and text labels. The game only changes their plain fields (a gauge's
// Width, an icon's Visible, a label's Caption); the display draws every visible
// panel over each presented frame, so the picture never paints over them.
#include <memory>
#include <string>
#include <vector>

#include "media/surface.h"
#include "media/text.h"

namespace media {

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

 private:
  // The picture stretched to the widget's size, kept while neither changes (holding
  // the picture it was made from, so that no other picture can take its place).
  struct Stretched {
    std::shared_ptr<const Surface> from;
    int width = 0, height = 0;
    std::shared_ptr<Surface> picture;
  };
  mutable Stretched stretched_;
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
  void Add(ImageWidget* child) { children_.push_back({child, nullptr}); }
  void Add(Label* child) { children_.push_back({nullptr, child}); }

  // Draws the panel at its place.
  void Draw(Surface& dest);

 private:
  // The panel as it looks now (Width x Height), redrawn only when one of its
  // widgets changed.
  const Surface& Rendered();
  struct Child {
    ImageWidget* image;
    Label* label;
  };
  // Everything a redraw depends on, compared field by field.
  struct Look {
    std::vector<long long> numbers;
    std::vector<std::string> captions;
    bool operator==(const Look&) const = default;
  };
  Look CurrentLook() const;
  std::vector<Child> children_;
  Surface cached_;
  Look cached_look_;
};

}  // namespace media
