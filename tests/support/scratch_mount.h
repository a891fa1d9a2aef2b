#pragma once

#include <QString>

// A folder made read-only or small for one test by a real mount, so the file layer meets the very
// error a school's share gives (EROFS, ENOSPC). Needs the right to mount; mounted() says whether it
// worked, and the test skips itself otherwise. Unmounted when the object ends.
class ScratchMount {
 public:
  // The folder, seen read-only in its own place.
  static ScratchMount readOnly(const QString& folder);
  // An empty file system of the given size over the folder, hiding what it held.
  static ScratchMount small(const QString& folder, int kilobytes);

  ScratchMount(ScratchMount&& other) noexcept : folder_(other.folder_) { other.folder_.clear(); }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;
  ~ScratchMount();

  bool mounted() const { return !folder_.isEmpty(); }
  // Fills the file system to its last byte.
  void fill() const;

 private:
  explicit ScratchMount(QString folder) : folder_(std::move(folder)) {}
  QString folder_;  // empty when nothing is mounted
};
