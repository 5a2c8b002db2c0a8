// skyscrub-assetgen: draws every picture and synthesises every sound of the game.
//   skyscrub-assetgen art <png-dir> <embedded-source.cpp>
//   skyscrub-assetgen embed <png-dir> <embedded-source.cpp>   (the pictures in png-dir as they are)
//   skyscrub-assetgen sounds <sound-dir>
//   skyscrub-assetgen sheet <contact-sheet.png>
//   skyscrub-assetgen icons <theme-dir> <name> <size>...
//   skyscrub-assetgen icon-sheet <sheet.png> <size>...
//   skyscrub-assetgen windows-icon <file.ico> <size>...
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "assets/art.h"
#include "assets/generator/catalog.h"
#include "assets/generator/contact_sheet.h"
#include "assets/generator/embed.h"
#include "assets/generator/sounds.h"
#include "assets/generator/text.h"
#include "assets/generator/theme_icons.h"
#include "assets/generator/windows_icon.h"

namespace {

bool WriteArt(const std::string& dir, const std::string& source) {
  for (const skyscrub::ArtInfo& info : skyscrub::kArtTable) {
    if (info.file.empty()) continue;
    const assetgen::Image image = assetgen::Draw(info.art);
    if (image.Width() != info.width || image.Height() != info.height) {
      std::fprintf(stderr, "%s is drawn %dx%d, the game expects %dx%d\n", std::string(info.file).c_str(),
                   image.Width(), image.Height(), info.width, info.height);
      return false;
    }
    if (!assetgen::SavePng(image, dir + "/" + std::string(info.file), assetgen::IsBackground(info.art))) {
      std::fprintf(stderr, "cannot write %s: %s\n", std::string(info.file).c_str(), SDL_GetError());
      return false;
    }
  }
  return assetgen::WriteEmbeddedArt(dir, source);
}

// The icon sizes given from argument `first` on.
std::vector<int> Sizes(int argc, char** argv, int first) {
  std::vector<int> sizes;
  for (int i = first; i < argc; ++i) sizes.push_back(std::stoi(argv[i]));
  return sizes;
}

int Run(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "art" && argc == 4) return WriteArt(argv[2], argv[3]) ? 0 : 1;
  if (mode == "embed" && argc == 4) return assetgen::WriteEmbeddedArt(argv[2], argv[3]) ? 0 : 1;
  if (mode == "sounds" && argc == 3) return assetgen::WriteSounds(argv[2]) ? 0 : 1;
  if (mode == "sheet" && argc == 3) return assetgen::WriteContactSheet(argv[2]) ? 0 : 1;
  if (mode == "icons" && argc > 4) return assetgen::WriteThemeIcons(argv[2], argv[3], Sizes(argc, argv, 4)) ? 0 : 1;
  if (mode == "icon-sheet" && argc > 3) return assetgen::WriteIconSheet(argv[2], Sizes(argc, argv, 3)) ? 0 : 1;
  if (mode == "windows-icon" && argc > 3) return assetgen::WriteWindowsIcon(argv[2], Sizes(argc, argv, 3)) ? 0 : 1;
  std::fprintf(stderr, "usage: %s art <png-dir> <source.cpp> | embed <png-dir> <source.cpp> | sounds <dir> | sheet <file.png> | icons <dir> <name> <size>... | icon-sheet <file.png> <size>... | windows-icon <file.ico> <size>...\n",
               argv[0]);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (TTF_Init() != 0) {
    std::fprintf(stderr, "cannot start the font renderer: %s\n", TTF_GetError());
    return 1;
  }
  int status = 1;
  try {
    status = Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
  }
  assetgen::CloseFonts();
  TTF_Quit();
  return status;
}
