#include "support/scratch_mount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>

ScratchMount ScratchMount::readOnly(const QString& folder) {
  const QByteArray path = QDir(folder).absolutePath().toLocal8Bit();
  if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0) return ScratchMount({});
  if (::mount(nullptr, path.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
    ::umount2(path.constData(), MNT_DETACH);
    return ScratchMount({});
  }
  return ScratchMount(QString::fromLocal8Bit(path));
}

ScratchMount ScratchMount::small(const QString& folder, int kilobytes) {
  QDir().mkpath(folder);
  const QByteArray path = QDir(folder).absolutePath().toLocal8Bit();
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  if (::mount("tmpfs", path.constData(), "tmpfs", 0, options.constData()) != 0) return ScratchMount({});
  return ScratchMount(QString::fromLocal8Bit(path));
}

ScratchMount::~ScratchMount() {
  if (mounted()) ::umount2(folder_.toLocal8Bit().constData(), MNT_DETACH);
}

void ScratchMount::fill() const {
  const QByteArray path = (folder_ + QStringLiteral("/filler")).toLocal8Bit();
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;
  const QByteArray block(4096, 'x');
  while (::write(fd, block.constData(), size_t(block.size())) > 0) {
  }
  while (::write(fd, block.constData(), 1) > 0) {
  }
  ::close(fd);
}
