// The sound table in the sound folder.
#include "core/sound_table.h"
#include "fuzz/fuzz_installation.h"
#include "fuzz/damaged_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto state = FuzzInstallation::instance().loadedState();
  fuzzTextFile(QStringLiteral("data/音フォルダ/新音ファイル.txt"), data, size, [] {
    loadSoundTable(*state);
    for (int g = 1; g <= 10; ++g)
      if (state->soundTable[g].count < 0 || state->soundTable[g].count > 20) fuzzFault("sound group count");
  });
  return 0;
}
