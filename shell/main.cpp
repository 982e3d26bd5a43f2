// Program start: reads the command line and runs the main window until it closes.
#include <iostream>

#include "shell/catalogue.h"
#include "shell/folders.h"
#include "shell/manpage.h"
#include "shell/options.h"
#include "shell/run.h"

int main(int argc, char** argv) {
  heli::ParseResult parsed = heli::ParseOptions(argc, argv);
  if (!parsed.error.empty()) {
    std::cerr << "heli-rescue: " << parsed.error << "\n";
    return 2;
  }
  if (parsed.options.help) {
    std::cout << heli::HelpText();
    return 0;
  }
  if (parsed.options.version) {
    std::cout << "heli-rescue " << HELI_VERSION << "\n";
    return 0;
  }
  if (parsed.options.catalogue) {
    // The level files the game would play with; none found lists the built-ins only.
    if (auto found = heli::FirstWithLevelFiles(
            heli::DataFolderCandidates(parsed.options.data_dir, heli::ExecutableFolder(argv[0]))))
      heli::SetDataFolder(*found);
    return heli::PrintCatalogue(std::cout, std::cerr);
  }
  // Installed use: the manual page, then the data and save folders.
  if (parsed.options.help_man) {
    std::cout << heli::ManPage();
    return 0;
  }
  if (auto status = heli::SetUpFolders(parsed.options, argv[0])) return *status;

  return heli::RunProgram(parsed.options);
}
