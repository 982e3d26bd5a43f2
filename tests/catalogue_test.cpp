// heli-rescue --catalogue, run as a program: every built-in picture and sound
// line against the catalogues the game is built to, and the level picture files
// against the indices the screens and layouts draw.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Picture {
  int index;
  const char* name;
  const char* kind;
  const char* size;  // WxH, "-" without a picture
  const char* bits;
  bool transparent;
  unsigned colour;
};

const std::vector<Picture> kVrt = {
    {0, "vrtulnik", "dib", "51x115", "8", true, 0xFFFFFF},
    {1, "stin", "dib", "47x113", "1", true, 0xFFFFFF},
    {2, "vrtule", "dib", "98x98", "8", true, 0xFFFFFF},
    {3, "zidle", "dib", "18x17", "8", true, 0xE7E12F},
    {4, "s_ostrov", "dib", "29x24", "8", true, 0x000000},
    {5, "s_palivo", "dib", "33x20", "8", true, 0x000000},
    {6, "s_zakladna", "dib", "30x25", "8", true, 0x000000},
    {7, "s_vrt", "dib", "17x31", "8", true, 0x030708},
    {8, "s_tamrox", "dib", "65x65", "8", true, 0x000000},
    {9, "vy1", "dib", "125x105", "24", true, 0x000000},
    {10, "vy2", "dib", "125x105", "24", true, 0x000000},
    {11, "vy3", "dib", "125x105", "24", true, 0x000000},
    {12, "vy4", "dib", "125x105", "24", true, 0x000000},
    {13, "vy5", "dib", "125x105", "24", true, 0x000000},
    {14, "vy6", "dib", "125x105", "24", true, 0x000000},
    {15, "pa1", "dib", "35x24", "8", true, 0xFFFFFF},
    {16, "pa2", "dib", "35x24", "8", true, 0xFFFFFF},
    {17, "pa3", "dib", "35x24", "8", true, 0xFFFFFF},
    {18, "pa4", "dib", "35x24", "8", true, 0xFFFFFF},
    {19, "pa5", "dib", "35x24", "8", true, 0xFFFFFF},
    {20, "pastin", "dib", "35x24", "8", true, 0xFFFFFF},
    {21, "nhra", "dib", "255x71", "24", false, 0x24A225},
    {22, "ulozeni", "dib", "247x71", "24", false, 0x24A225},
    {23, "navrat", "dib", "249x75", "24", false, 0x209839},
    {24, "konec", "dib", "243x71", "24", false, 0x117726},
    {25, "sorry", "dib", "431x61", "4", true, 0xFFFFFF},
    {26, "prazdne", "none", "-", "-", true, 0xFFFFFF},
    {27, "konec_hry", "dib", "349x53", "4", true, 0xFFFFFF},
    {28, "ovladani", "dib", "534x69", "8", false, 0x000000},
    {29, "pada", "dib", "36x22", "8", true, 0x808080},
    {30, "vrtule_voda", "dib", "98x98", "24", true, 0xFFFF00},
    {31, "pozadi_menu", "jpeg", "800x600", "24", false, 0x223738},
    {32, "skvrna", "dib", "37x27", "8", true, 0x808080},
    {33, "voj_vrtulnik", "dib", "51x115", "8", true, 0xFFFF00},
    {34, "s_vrt_boj", "dib", "17x31", "8", true, 0x000000},
    {35, "zeleny_strov", "dib", "29x24", "8", true, 0xFFFFFF},
};

const std::vector<Picture> kOstrovy = {
    {0, "hodiny", "dib", "96x96", "24", true, 0xFFFF00},
    {1, "raficka", "dib", "4x40", "8", false, 0x000000},
    {2, "mapa", "jpeg", "801x526", "24", false, 0xA68837},
    {3, "start", "jpeg", "126x163", "24", true, 0xFFFF01},
    {4, "vlaj1", "dib", "62x55", "32", true, 0x808080},
    {5, "vlaj2", "dib", "62x55", "32", true, 0x808080},
    {6, "vlaj3", "dib", "62x55", "32", true, 0x808080},
    {7, "vlaj4", "dib", "62x55", "32", true, 0x808080},
    {8, "nositka prazdne1", "dib", "71x25", "8", true, 0x808080},
    {9, "nositka prazdne2", "dib", "71x25", "8", true, 0x808080},
    {10, "nositka plne1", "dib", "71x25", "8", true, 0x808080},
    {11, "nositka plne2", "dib", "71x25", "8", true, 0x808080},
    {12, "striska", "dib", "13x32", "8", false, 0x000000},
    {13, "zakl_nulova", "dib", "97x112", "16", true, 0x808080},
    {14, "zakl_zelena", "dib", "97x112", "16", true, 0x808080},
    {15, "zakl_cervena", "dib", "97x112", "16", true, 0x808080},
    {16, "zakladna2", "jpeg", "289x384", "24", true, 0xFFFE02},
    {17, "benzin_0", "jpeg", "97x112", "24", true, 0x808080},
    {18, "benzin zeleny", "jpeg", "97x112", "24", true, 0x808080},
    {19, "benzin cerveny", "jpeg", "97x112", "24", true, 0x808080},
    {20, "benzin2", "dib", "191x372", "24", true, 0xFFFF00},
    {21, "pozadi", "jpeg", "800x600", "24", false, 0xFFFF01},
    {22, "vlny1", "dib", "57x33", "1", true, 0x000000},
    {23, "vlny2", "dib", "57x33", "1", true, 0x000000},
    {24, "vlny3", "dib", "57x33", "1", true, 0x000000},
    {25, "vlny4", "dib", "57x33", "1", true, 0x000000},
    {26, "trava1", "jpeg", "323x291", "24", true, 0xFFFF01},
    {27, "trava2", "jpeg", "237x367", "24", true, 0xFFFF01},
    {28, "trava3", "jpeg", "299x253", "24", true, 0xFFFF01},
    {29, "soft", "jpeg", "764x99", "24", false, 0xFFFFFF},
    {30, "intro", "jpeg", "800x600", "24", false, 0x373737},
};

// The window's panel pictures; a gauge bar keeps the colour of its bottom-left
// pixel, which the window leaves out.
const std::vector<Picture> kWindow = {
    {0, "Image2", "jpeg", "775x67", "24", false, 0x000000},
    {1, "gotacky", "dib", "38x18", "8", false, 0x000000},
    {2, "grychlost", "dib", "38x18", "24", false, 0x000000},
    {3, "gvyska", "dib", "38x18", "24", false, 0x000000},
    {4, "gpalivo", "dib", "38x18", "24", false, 0x1C1C1C},
    {5, "hlava", "dib", "21x24", "8", false, 0x000000},
    {6, "Image4", "dib", "129x57", "8", false, 0x000000},
};

struct Sound {
  int index;
  const char* name;
  bool looped;   // as stored
  int channels;  // 0: no recording
  int rate, bits;
  long bytes;
};

const std::vector<Sound> kSounds = {
    {0, "h_menu", true, 1, 11025, 8, 648873},
    {1, "helik", true, 1, 22050, 16, 67392},
    {2, "vytah", false, 1, 22050, 8, 50661},
    {3, "vybuch", false, 1, 22050, 16, 108986},
    {4, "vlny", true, 1, 22050, 8, 45567},
    {5, "hlas", false, 1, 22050, 8, 19691},
    {6, "hura", false, 0, 0, 0, 0},
    {7, "klik", false, 1, 22050, 16, 8114},
    {8, "cizivrtulnik", false, 1, 22050, 16, 67392},
    {9, "tamrox", true, 1, 22050, 8, 193850},
    {10, "drama", false, 1, 22050, 8, 87241},
    {11, "storm", false, 1, 22050, 8, 177815},
    {12, "kasel", false, 1, 22050, 16, 46150},
    {13, "mrtvy", false, 1, 22050, 8, 14895},
    {14, "kroky", false, 1, 22050, 8, 113152},
    {15, "lodicka", false, 1, 22050, 8, 17302},
    {16, "vystrel", false, 2, 22050, 16, 112484},
    {17, "ohen", false, 1, 22050, 8, 45006},
    {18, "sirena", false, 2, 22050, 8, 165248},
    {19, "fanfara", false, 1, 22050, 8, 401152},
    {20, "benzin", false, 0, 0, 0, 0},
    {21, "hudba_hra", false, 1, 44100, 8, 2795595},
};

struct CatalogueRun {
  int status = -1;
  std::vector<std::string> lines;
};

// Runs the program with --catalogue in `folder`, with a video driver that does
// not exist, so any attempt to open a display would fail the run.
CatalogueRun RunCatalogue(const std::filesystem::path& folder, const std::string& extra = "") {
  const std::string cmd = "cd '" + folder.string() +
                          "' && SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=no-such-driver '" +
                          HELI_BINARY_DIR + "/heli-rescue' --catalogue " + extra + " 2>/dev/null";
  CatalogueRun run;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return run;
  std::string line;
  for (int c; (c = std::fgetc(p)) != EOF;) {
    if (c == '\n') {
      run.lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) run.lines.push_back(line);  // an unterminated last line
  const int rc = pclose(p);
  run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return run;
}

std::string Expected(const std::string& list, const Picture& p) {
  char colour[16];
  std::snprintf(colour, sizeof colour, "0x%06X", p.colour);
  return list + " " + std::to_string(p.index) + " \"" + p.name + "\" " + p.kind + " " + p.size +
         " " + p.bits + " " + (p.transparent ? "yes" : "no") + " " + colour;
}

std::string Expected(const Sound& s) {
  std::string line = "DXWaveList1 " + std::to_string(s.index) + " \"" + s.name + "\" " +
                     (s.looped ? "yes" : "no") + " ";
  if (s.channels == 0) return line + "- - - 0";
  return line + std::to_string(s.channels) + " " + std::to_string(s.rate) + " " +
         std::to_string(s.bits) + " " + std::to_string(s.bytes);
}

// The lines of one list, in order of appearance.
std::vector<std::string> LinesOf(const CatalogueRun& run, const std::string& list) {
  std::vector<std::string> out;
  for (const std::string& l : run.lines)
    if (l.rfind(list + " ", 0) == 0) out.push_back(l);
  return out;
}

void CheckPictures(const CatalogueRun& run, const std::string& list,
                   const std::vector<Picture>& want) {
  const auto got = LinesOf(run, list);
  ASSERT_EQ(got.size(), want.size()) << list;
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], Expected(list, want[i]));
}

const std::regex kPictureLine(
    R"re((lev[1-9]) (\d+) "([^"]*)" (dib|jpeg|none) (\d+)x(\d+) (\d+) (yes|no) 0x[0-9A-F]{6})re");
const std::regex kNoPictureLine(
    R"re((lev[1-9]) (\d+) "([^"]*)" none - - (yes|no) 0x[0-9A-F]{6})re");

struct LevelItem {
  std::string kind;
  int width = 0, height = 0;
};

// The items of one level file by index; a line of another shape fails the test.
std::map<int, LevelItem> LevelItems(const CatalogueRun& run, const std::string& list) {
  std::map<int, LevelItem> items;
  for (const std::string& line : LinesOf(run, list)) {
    std::smatch m;
    if (std::regex_match(line, m, kPictureLine) && m[4] != "none") {
      items[std::stoi(m[2])] = {m[4], std::stoi(m[5]), std::stoi(m[6])};
    } else if (std::regex_match(line, m, kNoPictureLine)) {
      items[std::stoi(m[2])] = {"none", 0, 0};
    } else {
      ADD_FAILURE() << "malformed line: " << line;
    }
  }
  return items;
}

class Catalogue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { run_ = new CatalogueRun(RunCatalogue(HELI_BINARY_DIR)); }
  static void TearDownTestSuite() {
    delete run_;
    run_ = nullptr;
  }
  static CatalogueRun* run_;
};
CatalogueRun* Catalogue::run_ = nullptr;

TEST_F(Catalogue, RunsWithoutADisplay) {
  EXPECT_EQ(run_->status, 0);
  ASSERT_FALSE(run_->lines.empty());
}

TEST_F(Catalogue, VrtMatchesItsCatalogue) {
  CheckPictures(*run_, "vrt", kVrt);
}
TEST_F(Catalogue, OstrovyMatchesItsCatalogue) {
  CheckPictures(*run_, "ostrovy", kOstrovy);
}
TEST_F(Catalogue, WindowPicturesMatchTheirLayout) {
  CheckPictures(*run_, "window", kWindow);
}

TEST_F(Catalogue, SoundsMatchTheirCatalogue) {
  const auto got = LinesOf(*run_, "DXWaveList1");
  ASSERT_EQ(got.size(), kSounds.size());
  for (std::size_t i = 0; i < kSounds.size(); ++i) EXPECT_EQ(got[i], Expected(kSounds[i]));
}

TEST_F(Catalogue, EveryLineBelongsToAKnownList) {
  const std::set<std::string> lists = {"vrt",  "ostrovy", "window",     "lev1", "lev2",
                                       "lev3", "lev4",    "lev5",       "lev6", "lev7",
                                       "lev8", "lev9",    "DXWaveList1"};
  for (const std::string& line : run_->lines)
    EXPECT_TRUE(lists.count(line.substr(0, line.find(' ')))) << line;
}

TEST(CatalogueElsewhere, ListsTheBuiltInsWithoutLevelFiles) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("catalogue-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  // An empty data folder: the one beside the program holds the level files.
  const CatalogueRun run = RunCatalogue(folder, "--data-dir '" + folder.string() + "'");
  std::filesystem::remove_all(folder);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines.size(), kVrt.size() + kOstrovy.size() + kWindow.size() + kSounds.size());
  EXPECT_TRUE(LinesOf(run, "lev1").empty());
}

// What the game draws from each level picture file: the objects the layouts
// place, the animation frames and the start screens.
struct LevelNeeds {
  int file;
  std::vector<int> indices;
  std::vector<int> start_pictures;  // full-screen, drawn at (0, 0)
};

const std::vector<LevelNeeds> kNeeds = {
    {1, {8, 9, 10, 11, 12, 13, 14, 15, 16}, {17, 18, 19, 20, 21}},
    {2, {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, {20}},
    {4, {8, 9, 10, 11, 12, 13, 14, 15, 16}, {17}},
    {6, {8, 9, 10, 11, 12, 14, 15}, {16}},
    {8, {0, 4, 8, 12, 16}, {17}},
};

TEST_F(Catalogue, LevelFilesHoldEveryPictureTheLevelsDraw) {
  if (!std::filesystem::exists(std::filesystem::path(HELI_BINARY_DIR) / "data" / "lev1.lta"))
    GTEST_SKIP() << "no level picture files in data/ yet";
  for (const LevelNeeds& need : kNeeds) {
    const std::string list = "lev" + std::to_string(need.file);
    SCOPED_TRACE(list);
    const auto items = LevelItems(*run_, list);
    ASSERT_FALSE(items.empty()) << list << " is missing or empty";
    for (int i : need.indices) {
      ASSERT_TRUE(items.count(i)) << list << " has no item " << i;
      EXPECT_NE(items.at(i).kind, "none") << list << " item " << i << " has no picture";
    }
    for (int i : need.start_pictures) {
      ASSERT_TRUE(items.count(i)) << list << " has no start picture " << i;
      EXPECT_NE(items.at(i).kind, "none") << list << " item " << i;
      EXPECT_GE(items.at(i).width, 800) << list << " item " << i;
      EXPECT_GE(items.at(i).height, 600) << list << " item " << i;
    }
  }
}

}  // namespace
