// Build-time tool: writes the game's hit sound to the .wav file named on the
// command line, so the sound ships as a file beside the game.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

#include "art/artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-hit-sound OUTPUT.wav\n";
    return 2;
  }
  const std::vector<std::uint8_t> wav = rallix::art::HitSoundWav();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  if (out) {
    out.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    out.close();
  }
  if (!out) {
    std::cerr << "make-hit-sound: could not write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
