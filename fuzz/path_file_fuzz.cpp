// The path file beside the program folder, read by the start-up loader.
#include "core/common_data.h"
#include "fuzz/fuzz_installation.h"
#include "fuzz/damaged_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One state for every input: the loader sets every value it reads, and a fresh state per input would
  // cost more than the loading.
  static const auto state = std::make_unique<AppState>();
  fuzzTextFile(QStringLiteral("パスデータ.txt"), data, size, [] {
    loadCommonData(*state, FuzzInstallation::instance().programFolder());
  });
  return 0;
}
