#include "fuzz/damaged_text_file.h"

#include "fuzz/fuzz_installation.h"
#include "platform/file_error.h"

void fuzzTextFile(const QString& relativePath, const std::uint8_t* data, std::size_t size,
                  const std::function<void()>& read) {
  FuzzInstallation& installation = FuzzInstallation::instance();
  const QByteArray input = bytesOf(data, size);
  installation.write(relativePath, input);
  try {
    read();
  } catch (const FileError& error) {
    expectMessage(error.message());
  }
  if (installation.read(relativePath) != input) fuzzFault("the reader changed the file");
}
