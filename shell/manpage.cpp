#include "shell/manpage.h"

#include "shell/options.h"

namespace heli {

namespace {

// Escapes what roff would read as its own: backslashes, hyphens (so that options
// copy and paste as typed) and a leading dot or quote.
std::string Roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string Paragraphs(const std::string& text) {
  std::string out;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    out += Roff(text.substr(start, end - start)) + "\n";
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string ManPage() {
  std::string page = ".TH HELI\\-RESCUE 6 \"\" \"heli-rescue " HELI_VERSION
                     "\" \"Games\"\n"
                     ".SH NAME\n"
                     "heli\\-rescue \\- a rescue helicopter game (Z\\('achrann\\('y vrtuln\\('ik)\n"
                     ".SH SYNOPSIS\n"
                     ".B heli\\-rescue\n"
                     "[\\fIOPTION\\fR]...\n"
                     ".SH DESCRIPTION\n" +
                     Paragraphs(HelpSummary()) + ".SH OPTIONS\n";
  for (const OptionHelp& o : ListedOptions()) {
    if (o.value.empty())
      page += ".TP\n.B " + Roff(o.name) + "\n";
    else
      page += ".TP\n.BI \"" + Roff(o.name) + " \" \"" + Roff(o.value) + "\"\n";
    page += Roff(o.help) + "\n";
  }
  page += ".SH KEYS\n" + Paragraphs(KeysHelp());
  page +=
      ".SH FILES\n"
      ".TP\n"
      ".I data/lev*.lta\n"
      "The level picture files, looked for in data/ in the working folder, beside the\n"
      "program and in the installed data folder, unless \\-\\-data\\-dir names one.\n"
      ".TP\n"
      ".I uloz.dat\n"
      "The level reached, in the working folder unless \\-\\-save\\-dir or\n"
      "\\-\\-save\\-dir\\-xdg names another.\n"
      ".SH ENVIRONMENT\n"
      ".TP\n"
      ".B SDL_GAMECONTROLLERCONFIG\n"
      "Extra game controller mappings, in the form SDL reads.\n"
      ".TP\n"
      ".B XDG_DATA_HOME\n"
      "The player's data folder used by \\-\\-save\\-dir\\-xdg.\n";
  return page;
}

}  // namespace heli
