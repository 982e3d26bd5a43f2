// The installed program: what `cmake --install` puts into a prefix, and that the
// program started from elsewhere finds its data and keeps its save file where told.
#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "demo_runner.h"
#include "program_runner.h"
#include "shell/folders.h"
#include "shell/manpage.h"
#include "shell/options.h"

namespace {

namespace fs = std::filesystem;

using heli::testing::MakeTempFolder;
using heli::testing::ReadAll;
using heli::testing::Result;
using heli::testing::RunIn;

constexpr const char* kAppId = "cz.kovra.HeliRescue";

bool HasTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool Mentions(const std::string& text, const std::string& what) {
  std::string a = text, b = what;
  for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return a.find(b) != std::string::npos;
}

// One installation into a temporary prefix, shared by the tests of this suite.
class Installed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = new fs::path(MakeTempFolder("prefix"));
    const Result r =
        RunIn(HELI_BINARY_DIR, std::string("'") + HELI_CMAKE_COMMAND + "' --install . --prefix '" +
                                   prefix_->string() + "'");
    status_ = r.status;
    log_ = new std::string(r.out + r.err);
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    fs::remove_all(*prefix_, ec);
    delete prefix_;
    delete log_;
  }
  void SetUp() override { ASSERT_EQ(status_, 0) << *log_; }

  static fs::path Share() { return *prefix_ / "share"; }
  static fs::path Program() { return *prefix_ / "bin" / "heli-rescue"; }

  static fs::path* prefix_;
  static std::string* log_;
  static int status_;
};

fs::path* Installed::prefix_ = nullptr;
std::string* Installed::log_ = nullptr;
int Installed::status_ = -1;

TEST_F(Installed, TheProgramFindsItsDataFromAnotherFolder) {
  ASSERT_TRUE(fs::is_regular_file(Program()));
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  for (int n : {1, 2, 4, 6, 8})
    for (const char* folder : {"data", "data/en"})
      EXPECT_TRUE(fs::is_regular_file(Share() / "heli-rescue" / folder /
                                      ("lev" + std::to_string(n) + ".lta")))
          << folder << " " << n;
  const fs::path elsewhere = MakeTempFolder("elsewhere");
  const Result r =
      RunIn(elsewhere, "'" + Program().string() + "' --headless --ticks 100 --level 1 --seed 5");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(Mentions(r.err, "cannot open")) << r.err;
  EXPECT_FALSE(Mentions(r.err, "no level files")) << r.err;
  // The English catalogue too.
  const Result en = RunIn(elsewhere, "'" + Program().string() + "' --headless --ticks 1 --lang en");
  EXPECT_EQ(en.status, 0);
  EXPECT_EQ(en.err, "");
  EXPECT_TRUE(fs::is_regular_file(Share() / "locale" / "en" / "LC_MESSAGES" / "heli-rescue.mo"));
  // Nothing is written into the folder it was started from.
  EXPECT_TRUE(fs::is_empty(elsewhere));
  fs::remove_all(elsewhere);
}

TEST_F(Installed, TheManualPageIsTheHelpText) {
  const fs::path page = Share() / "man" / "man6" / "heli-rescue.6";
  ASSERT_TRUE(fs::is_regular_file(page));
  const std::string text = ReadAll(page);
  EXPECT_EQ(text, heli::ManPage());
  EXPECT_EQ(text.rfind(".TH HELI\\-RESCUE 6", 0), 0u);
  const Result r = RunIn(fs::temp_directory_path(), "'" + Program().string() + "' --help-man");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, text);
}

TEST_F(Installed, IconsInTheHicolorTheme) {
  for (int size : {48, 64, 128, 256}) {
    const std::string dim = std::to_string(size);
    const fs::path icon =
        Share() / "icons" / "hicolor" / (dim + "x" + dim) / "apps" / (std::string(kAppId) + ".png");
    ASSERT_TRUE(fs::is_regular_file(icon)) << icon;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, icon.c_str())) << icon;
    EXPECT_EQ(image.width, static_cast<unsigned>(size));
    EXPECT_EQ(image.height, static_cast<unsigned>(size));
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> px(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, px.data(), 0, nullptr));
    auto alpha = [&](int x, int y) { return px[(static_cast<std::size_t>(y) * size + x) * 4 + 3]; };
    // A see-through background around the helicopter, which is mostly red.
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(size - 1, 0), 0);
    EXPECT_EQ(alpha(0, size - 1), 0);
    EXPECT_EQ(alpha(size / 2, size / 2), 255);
    int opaque = 0, red = 0;
    for (int i = 0; i < size * size; ++i) {
      const png_byte* p = &px[static_cast<std::size_t>(i) * 4];
      if (p[3] < 128) continue;
      ++opaque;
      red += p[0] > 150 && p[1] < 100 && p[2] < 100;
    }
    EXPECT_GT(opaque, size * size / 8) << size;
    EXPECT_LT(opaque, size * size * 3 / 4) << size;
    EXPECT_GT(red, opaque / 10) << size;
  }
}

TEST_F(Installed, TheDesktopEntryStartsTheGameWithThePlayersSaveFolder) {
  const fs::path entry = Share() / "applications" / (std::string(kAppId) + ".desktop");
  ASSERT_TRUE(fs::is_regular_file(entry));
  const std::string text = ReadAll(entry);
  EXPECT_NE(text.find("\nExec=heli-rescue --save-dir-xdg\n"), std::string::npos) << text;
  EXPECT_NE(text.find(std::string("\nIcon=") + kAppId + "\n"), std::string::npos) << text;
  if (!HasTool("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is not installed";
  const Result r =
      RunIn(fs::temp_directory_path(), "desktop-file-validate '" + entry.string() + "'");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(r.out + r.err, "");
}

TEST_F(Installed, TheAppStreamMetadataIsValid) {
  const fs::path meta = Share() / "metainfo" / (std::string(kAppId) + ".metainfo.xml");
  ASSERT_TRUE(fs::is_regular_file(meta));
  const std::string text = ReadAll(meta);
  EXPECT_NE(text.find(std::string("<id>") + kAppId + "</id>"), std::string::npos);
  EXPECT_NE(text.find(std::string("<launchable type=\"desktop-id\">") + kAppId + ".desktop<"),
            std::string::npos);
  EXPECT_NE(text.find(std::string("version=\"") + HELI_VERSION + "\""), std::string::npos);
  if (!HasTool("appstreamcli")) GTEST_SKIP() << "appstreamcli is not installed";
  const Result r =
      RunIn(fs::temp_directory_path(), "appstreamcli validate --no-net '" + meta.string() + "'");
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// The built program, started from a folder of its own.
class Program : public ::testing::Test {
 protected:
  void SetUp() override { work_ = MakeTempFolder("work"); }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(work_, ec);
  }
  static std::string Built() { return std::string("'") + HELI_BINARY_DIR + "/heli-rescue'"; }
  fs::path work_;
};

TEST_F(Program, FindsTheDataFolderBesideItself) {
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  const Result r = RunIn(work_, Built() + " --headless --ticks 100 --level 1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(Mentions(r.err, "cannot open")) << r.err;
}

TEST_F(Program, TheWorkingFoldersDataComesFirst) {
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  fs::create_directories(work_ / "data");
  std::ofstream(work_ / "data" / "lev1.lta") << "not a level file";
  const Result r = RunIn(work_, Built() + " --headless --ticks 10 --level 1");
  EXPECT_EQ(r.status, 1) << r.err;
  // The program read the broken file here, not the good one beside itself.
  EXPECT_NE(r.err.find("data/lev1.lta"), std::string::npos) << r.err;
  EXPECT_FALSE(Mentions(r.err, "no level files")) << r.err;
}

TEST_F(Program, DataDirOverridesTheSearch) {
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  fs::create_directories(work_ / "empty");
  const Result r = RunIn(work_, Built() + " --headless --ticks 10 --level 1 --data-dir empty");
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find("looked in: empty\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Cannot open file empty/lev1.lta"), std::string::npos) << r.err;
  const Result good = RunIn(work_, Built() + " --headless --ticks 10 --level 1 --data-dir '" +
                                       HELI_BINARY_DIR + "/data'");
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(good.err, "");
}

TEST_F(Program, SaysWhereItLookedWhenNoFolderHoldsTheLevelFiles) {
  const fs::path compiled_in = heli::DataFolderCandidates("", "/nowhere").back();
  if (heli::HoldsLevelFiles(compiled_in)) GTEST_SKIP() << "the game is installed on this machine";
  // A copy of the program with nothing beside it.
  fs::create_directories(work_ / "bin");
  fs::create_directories(work_ / "run");
  fs::copy_file(fs::path(HELI_BINARY_DIR) / "heli-rescue", work_ / "bin" / "heli-rescue");
  fs::permissions(work_ / "bin" / "heli-rescue", fs::perms::owner_all);
  const Result r = RunIn(work_ / "run", "../bin/heli-rescue --headless --ticks 10 --level 1");
  EXPECT_EQ(r.status, 1) << r.err;
  const fs::path real = fs::canonical(work_);
  for (const fs::path& tried :
       {fs::path("data"), real / "bin" / "data", real / "share" / "heli-rescue" / "data"})
    EXPECT_NE(r.err.find(" " + tried.string()), std::string::npos) << tried << "\n" << r.err;
  EXPECT_NE(r.err.find("no level files"), std::string::npos) << r.err;
  // The game's own message names the file it could not read.
  EXPECT_NE(r.err.find("Cannot open file data/lev1.lta"), std::string::npos) << r.err;
}

TEST_F(Program, TheSavedGameComesFromTheSaveFolder) {
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  const fs::path saves = work_ / "saves";
  fs::create_directories(saves);
  std::ofstream(saves / "uloz.dat", std::ios::binary) << '\x06';
  // Skip the intro, then the menu's saved-game button.
  const auto run = heli::testing::RunDemo(
      "savedir", "heli-demo 1\nseed 3\n@10 press Escape\n@11 mouse 400 230\n@13 click\n@16 end\n",
      "--save-dir '" + saves.string() + "'");
  EXPECT_EQ(run.status, 0);
  ASSERT_FALSE(run.ticks.empty());
  EXPECT_EQ(run.ticks.back()["level"], 6);
  EXPECT_EQ(run.ticks.back()["level_intro"], 1);
}

TEST_F(Program, MakesAMissingSaveFolder) {
  const Result r = RunIn(work_, Built() + " --headless --ticks 1 --save-dir new/saves");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_directory(work_ / "new" / "saves"));
  std::ofstream(work_ / "blocked") << "x";
  const Result bad = RunIn(work_, Built() + " --headless --ticks 1 --save-dir blocked/saves");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("cannot make the save folder blocked/saves"), std::string::npos)
      << bad.err;
}

TEST_F(Program, TheDesktopsSaveFolderIsThePlayersDataFolder) {
  const fs::path home = work_ / "home";
  fs::create_directories(home);
  const Result r = RunIn(work_, "env -u XDG_DATA_HOME HOME='" + home.string() + "' " + Built() +
                                    " --headless --ticks 1 --save-dir-xdg");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_directory(home / ".local" / "share" / "heli-rescue"));
  const Result xdg = RunIn(work_, "XDG_DATA_HOME='" + (work_ / "xdg").string() + "' " + Built() +
                                      " --headless --ticks 1 --save-dir-xdg");
  EXPECT_EQ(xdg.status, 0) << xdg.err;
  EXPECT_TRUE(fs::is_directory(work_ / "xdg" / "heli-rescue"));
}

// Every file below `root`, as paths relative to it.
std::set<std::string> FilesBelow(const fs::path& root) {
  std::set<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (!e.is_directory()) files.insert(fs::relative(e.path(), root).string());
  return files;
}

// The Debian package that CPack makes from the build: its control fields, and
// that it holds what `cmake --install` installs into /usr, with Debian's
// permissions, a stripped program and a compressed manual page, and plays.
TEST(DebianPackage, HoldsTheInstalledFilesAndItsProgramPlays) {
  for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps", "file", "gzip"})
    if (!HasTool(tool)) GTEST_SKIP() << tool << " is not installed";
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "no level files were built";
  const fs::path work = MakeTempFolder("deb");
  const std::string bin = HELI_BINARY_DIR;
  // The compression is irrelevant here and gzip is several times faster than xz.
  const Result packed = RunIn(bin, std::string("'") + HELI_CPACK_COMMAND + "' -G DEB --config '" +
                                       bin + "/CPackConfig.cmake' -B '" + (work / "out").string() +
                                       "' -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip");
  ASSERT_EQ(packed.status, 0) << packed.out << packed.err;
  const std::string arch = RunIn(work, "dpkg --print-architecture").out;
  const fs::path deb =
      work / "out" /
      ("heli-rescue_" + std::string(HELI_VERSION) + "_" + arch.substr(0, arch.find('\n')) + ".deb");
  ASSERT_TRUE(fs::is_regular_file(deb)) << packed.out;
  const std::string q = "'" + deb.string() + "'";

  // The control fields.
  auto field = [&](const std::string& name) {
    std::string v = RunIn(work, "dpkg-deb -f " + q + " " + name).out;
    while (!v.empty() && v.back() == '\n') v.pop_back();
    return v;
  };
  EXPECT_EQ(field("Package"), "heli-rescue");
  EXPECT_EQ(field("Version"), HELI_VERSION);
  EXPECT_EQ(field("Section"), "games");
  EXPECT_NE(field("Maintainer"), "");
  const std::string depends = field("Depends");
  for (const char* p : {"fonts-dejavu-core", "libsdl2-2.0-0", "libsdl2-ttf-2.0-0", "libopenal1",
                        "libfontconfig1", "libjpeg62-turbo", "libpng16-16", "libc6"})
    EXPECT_NE(depends.find(p), std::string::npos) << p << " in " << depends;
  const std::string meta = ReadAll(fs::path(bin) / (std::string(kAppId) + ".metainfo.xml"));
  const std::size_t s = meta.find("<summary>") + 9;
  const std::string description = field("Description");
  EXPECT_EQ(description.substr(0, description.find('\n')), meta.substr(s, meta.find('<', s) - s));
  EXPECT_NE(description.find("\n  * Nine levels"), std::string::npos) << description;

  // The files: what the installation puts into /usr, owned by root, 0755 for
  // the program and the folders, 0644 for the rest.
  const Result installed = RunIn(bin, "DESTDIR='" + (work / "dest").string() + "' '" +
                                          HELI_CMAKE_COMMAND + "' --install . --prefix /usr");
  ASSERT_EQ(installed.status, 0) << installed.out << installed.err;
  std::set<std::string> expected;
  for (std::string f : FilesBelow(work / "dest")) {
    if (f.size() > 2 && f.compare(f.size() - 2, 2, ".6") == 0) f += ".gz";
    expected.insert(f);
  }
  const Result extracted = RunIn(work, "dpkg-deb -x " + q + " root");
  ASSERT_EQ(extracted.status, 0) << extracted.err;
  EXPECT_EQ(FilesBelow(work / "root"), expected);
  const std::string listing = RunIn(work, "dpkg-deb -c " + q).out;
  std::size_t start = 0, entries = 0;
  while (start < listing.size()) {
    const std::size_t end = listing.find('\n', start);
    const std::string line = listing.substr(start, end - start);
    start = end == std::string::npos ? listing.size() : end + 1;
    ++entries;
    const std::string mode = line.substr(0, 10), path = line.substr(line.rfind(' ') + 1);
    EXPECT_NE(line.find(" root/root "), std::string::npos) << line;
    if (path.back() == '/' || path == "./usr/bin/heli-rescue")
      EXPECT_EQ(mode.substr(1), "rwxr-xr-x") << line;
    else
      EXPECT_EQ(mode, "-rw-r--r--") << line;
  }
  EXPECT_GT(entries, expected.size());

  // The contents: the same files, the manual page compressed, the program stripped.
  for (const std::string& f : expected) {
    if (f == "usr/bin/heli-rescue" || f.find("/man6/") != std::string::npos) continue;
    EXPECT_TRUE(ReadAll(work / "root" / f) == ReadAll(work / "dest" / f)) << f;
  }
  const Result page = RunIn(work, "gzip -dc root/usr/share/man/man6/heli-rescue.6.gz");
  EXPECT_EQ(page.out, heli::ManPage());
  const Result sections = RunIn(work, "readelf -S root/usr/bin/heli-rescue");
  ASSERT_EQ(sections.status, 0) << sections.err;
  EXPECT_EQ(sections.out.find(".symtab"), std::string::npos);
  EXPECT_EQ(sections.out.find(".comment"), std::string::npos);

  // The packed program finds its data beside itself from another folder.
  fs::create_directories(work / "elsewhere");
  const Result run =
      RunIn(work / "elsewhere", "'" + (work / "root" / "usr" / "bin" / "heli-rescue").string() +
                                    "' --headless --ticks 100 --level 1 --seed 5");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(fs::is_empty(work / "elsewhere"));
  fs::remove_all(work);
}

TEST(ManPage, ListsEveryOptionOfTheHelpAndNoHiddenOne) {
  const std::string page = heli::ManPage();
  const std::string help = heli::HelpText();
  for (const heli::OptionHelp& o : heli::ListedOptions()) {
    std::string roff;
    for (char c : o.name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    std::string value;
    for (char c : o.value) value += c == '-' ? std::string("\\-") : std::string(1, c);
    const std::string item =
        o.value.empty() ? ".B " + roff + "\n" : ".BI \"" + roff + " \" \"" + value + "\"\n";
    EXPECT_NE(page.find(".TP\n" + item), std::string::npos) << o.name;
    EXPECT_NE(help.find("  " + o.name), std::string::npos) << o.name;
  }
  EXPECT_EQ(page.find("help\\-man"), std::string::npos);
  EXPECT_EQ(help.find("--help-man"), std::string::npos);
  EXPECT_NE(help.find("--save-dir-xdg"), std::string::npos);
  // No line may start with a dot or quote that roff would take for a request.
  std::size_t start = 0;
  while (start < page.size()) {
    const std::size_t end = page.find('\n', start);
    const std::string line = page.substr(start, end - start);
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
      EXPECT_TRUE(line.rfind(".TH", 0) == 0 || line.rfind(".SH", 0) == 0 ||
                  line.rfind(".TP", 0) == 0 || line.rfind(".B", 0) == 0 || line.rfind(".I", 0) == 0)
          << line;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

}  // namespace
