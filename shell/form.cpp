#include "shell/form.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "assets/embedded.h"
#include "media/error.h"
#include "media/text.h"
#include "shell/language.h"
#include "view/frame.h"
#include "view/words.h"

namespace heli {

namespace {

// In the language the game speaks, where the list has words.
void LoadBuiltInList(media::ImageList& list, const char* name) {
  const std::string file =
      InLanguage(name, [](const std::string& n) { return !assets::Embedded(n).empty(); });
  auto bytes = assets::Embedded(file);
  if (bytes.empty()) return;  // not made yet: the list stays empty and draws nothing
  list.LoadItemsFromMemory(bytes, file);
}

// A window picture as the surface its widget shows; null when it is missing.
std::shared_ptr<const media::Surface> WindowPicture(media::ImageList& window, int index) {
  if (index >= window.Count()) return nullptr;
  media::PictureCollectionItem& item = window.Item(index);
  item.Prepare();
  const media::Surface* prepared = item.Prepared();
  if (!prepared) return nullptr;
  auto copy = std::make_shared<media::Surface>(prepared->Width(), prepared->Height());
  for (int y = 0; y < prepared->Height(); ++y)
    std::memcpy(copy->Row(y), prepared->Row(y), sizeof(media::Pixel) * prepared->Width());
  return copy;
}

void Place(media::ImageWidget& w, int left, int top, int width, int height) {
  w.Left = left;
  w.Top = top;
  w.Width = width;
  w.Height = height;
}

// A counter panel at the top: a 129 x 57 frame with a large number in it.
void LayOutCounter(media::Panel& panel, media::ImageWidget& frame, media::Label& number,
                   std::shared_ptr<const media::Surface> picture, int left, int number_left,
                   media::TColor colour) {
  panel.Left = left;
  panel.Top = 0;
  panel.Width = 129;
  panel.Height = 57;
  Place(frame, 0, 0, 129, 57);
  frame.Picture = std::move(picture);
  number.Left = number_left;
  number.Top = 24;
  number.Caption = std::to_string(0);
  number.Font = media::FontSpec{32, 72, true};
  number.Color = colour;
  // Every count the game can show: no more than the people a level can hold.
  for (int n = 0; n <= decltype(GameState::people)::capacity; ++n)
    media::PrepareText(std::to_string(n), number.Font, colour);
  panel.Add(&frame);
  panel.Add(&number);
}

void LayOutWidgets(TForm1& f) {
  media::ImageList window;
  LoadBuiltInList(window, "window.lta");

  f.spodni_menu.Left = 0;
  f.spodni_menu.Top = 541;
  f.spodni_menu.Width = 800;
  f.spodni_menu.Height = 75;
  f.spodni_menu.Color = media::clBlack;
  // Image2 fills the panel inside its one-pixel border, stretched.
  Place(f.Image2, 1, 1, 798, 73);
  f.Image2.Stretch = true;
  f.Image2.Picture = WindowPicture(window, 0);
  Place(f.gotacky, 83, 12, 138, 10);
  Place(f.grychlost, 83, 24, 138, 10);
  Place(f.gvyska, 83, 36, 138, 10);
  Place(f.gpalivo, 82, 50, 131, 12);
  const int gauge_pictures[4] = {1, 2, 3, 4};
  media::ImageWidget* gauges[4] = {&f.gotacky, &f.grychlost, &f.gvyska, &f.gpalivo};
  for (int i = 0; i < 4; ++i) {
    gauges[i]->Stretch = true;
    gauges[i]->Transparent = true;
    gauges[i]->Picture = WindowPicture(window, gauge_pictures[i]);
  }
  auto head = WindowPicture(window, 5);
  const int head_left[4] = {269, 287, 311, 335};
  media::ImageWidget* heads[4] = {&f.hlava1, &f.hlava2, &f.hlava3, &f.hlava4};
  for (int i = 0; i < 4; ++i) {
    Place(*heads[i], head_left[i], 37, 21, 24);
    heads[i]->Center = true;
    heads[i]->Picture = head;
  }
  f.clevel.Left = 768;
  f.clevel.Top = 32;
  f.clevel.Caption = std::to_string(1);
  f.clevel.Font = media::FontSpec{16, 72, true};
  f.clevel.Color = media::clYellow;
  for (int level = 1; level <= 9; ++level)
    media::PrepareText(std::to_string(level), f.clevel.Font, f.clevel.Color);
  f.spodni_menu.Add(&f.Image2);
  for (auto* g : {&f.gotacky, &f.grychlost, &f.gvyska, &f.gpalivo}) f.spodni_menu.Add(g);
  for (auto* h : heads) f.spodni_menu.Add(h);
  f.spodni_menu.Add(&f.clevel);

  // Both counters share one frame picture; only their place and number differ.
  auto counter = WindowPicture(window, 6);
  LayOutCounter(f.p_zachraneni, f.Image5, f.zachrana, counter, 364, 48, media::clLime);
  LayOutCounter(f.p_ohrozeni, f.Image4, f.ohrozeni, counter, 0, 40, media::clRed);
}

void LoadWaves(TForm1& f) {
  const auto waves = StoredWaves();
  for (int i = 0; i < kWaveCount; ++i)
    // The built-in recordings stay where the program holds them.
    f.DXWaveList1.Add(waves[i].name, waves[i].looped, assets::Embedded(StoredWaveFile(i)),
                      media::WaveStorage::Static);
}

}  // namespace

std::string StoredWaveFile(int index) {
  char file[64];
  std::snprintf(file, sizeof file, "sounds/%02d_%s.wav", index, StoredWaves()[index].name);
  return file;
}

void PollInput(TForm1& f) {
  f.DXInput1.PollInput();
  f.input_states_before = f.input_states;
  f.input_states = 0;
  for (int n = 0; n < media::kInputStateCount && n < 64; ++n)
    if (f.DXInput1.State(n)) f.input_states |= std::uint64_t{1} << n;
}

void MeasurePictures(TForm1& f) {
  auto measure = [](const media::ImageList& list, PictureSizes& out) {
    out.sizes.clear();
    for (int i = 0; i < list.Count(); ++i)
      out.sizes.emplace_back(list.ImageWidth(i), list.ImageHeight(i));
  };
  measure(f.ostrovy, f.ostrovy_sizes);
  measure(f.poz, f.poz_sizes);
}

void PresentFrame(TForm1& f) {
  f.gotacky.Width = f.rotor_gauge;
  f.grychlost.Width = f.speed_gauge;
  f.gvyska.Width = f.altitude_gauge;
  f.gpalivo.Width = f.fuel;
  media::ImageWidget* heads[4] = {&f.hlava1, &f.hlava2, &f.hlava3, &f.hlava4};
  for (std::size_t i = 0; i < 4; ++i) heads[i]->Visible = f.heads_shown[i];
  f.spodni_menu.Visible = f.bottom_panel_shown;
  f.p_zachraneni.Visible = f.rescued_panel_shown;
  f.p_ohrozeni.Visible = f.endangered_panel_shown;
  f.zachrana.Caption = std::to_string(f.rescued_label);
  f.ohrozeni.Caption = std::to_string(f.endangered_label);
  f.clevel.Caption = std::to_string(f.level_label);
  f.DXDraw.Cursor = f.cursor;
  f.DXDraw.Present();
}

void FollowSounds(TForm1& f) {
  for (const SoundRequest& r : f.sounds.Requests()) {
    media::Wave& w = f.DXWaveList1.Items(r.wave);
    switch (r.kind) {
      case SoundRequest::Kind::Play:
        w.PlayWave(false);
        break;
      case SoundRequest::Kind::Stop:
        w.StopWave();
        break;
      case SoundRequest::Kind::Looped:
        w.SetLooped(r.value != 0);
        break;
      case SoundRequest::Kind::Volume:
        w.SetWaveVolume(r.value);
        break;
      case SoundRequest::Kind::Frequency:
        w.SetWaveFrequency(r.value);
        break;
    }
  }
  f.sounds.ClearRequests();
}

void LoadForm(TForm1& f, const FormOptions& options) {
  LayOutWidgets(f);
  LoadBuiltInList(f.vrt, "vrt.lta");
  LoadBuiltInList(f.ostrovy, "ostrovy.lta");

  media::DisplayOptions display = options.display;
  if (display.title.empty()) display.title = Tr("Záchranný vrtulník");
  f.DXDraw.Initialize(display);
  f.DXDraw.AddPanel(&f.spodni_menu);
  f.DXDraw.AddPanel(&f.p_zachraneni);
  f.DXDraw.AddPanel(&f.p_ohrozeni);
  f.DXDraw.Cursor = -21;  // crHandPoint as stored
  // The display tells the image lists to prepare their pictures once it is set up.
  media::Surface* back = &f.DXDraw.BackSurface();
  f.vrt.Initialize(back);
  f.ostrovy.Initialize(back);
  f.poz.Initialize(back);

  LoadWaves(f);
  if (!f.DXSound1.Initialize(options.sound) && options.sound)
    std::cerr << "heli-rescue: sound is off: " << f.DXSound1.Status() << "\n";
  f.DXWaveList1.Attach(f.DXSound1);

  f.DXInput1.Initialize();
  MeasurePictures(f);
  // What the first frames would otherwise do for the first time, in the middle
  // of play: the texts, the helicopters' sprites and the panels.
  PrepareFrames(f.Painter());
  f.DXDraw.RenderPanels();
}

}  // namespace heli
