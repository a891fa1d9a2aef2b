#include "platform/file_fault.h"

#include <cerrno>
#include <cstring>

FileFault faultOf(int errorNumber) {
  switch (errorNumber) {
    case EROFS:
      return FileFault::ReadOnly;
    case EACCES:
    case EPERM:
      return FileFault::NoPermission;
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
    case ESTALE:  // the share was taken away under an open file
    case ENOTCONN:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
      return FileFault::Missing;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileFault::Full;
    case EIO:
    case ECONNRESET:
    case ETIMEDOUT:
      return FileFault::DeviceError;
    default:
      return FileFault::Other;
  }
}

QString faultExplanation(FileFault fault) {
  switch (fault) {
    case FileFault::ReadOnly:
      return QStringLiteral("共有フォルダが読み取り専用になっていて、書き込めません。先生に知らせて下さい。");
    case FileFault::NoPermission:
      return QStringLiteral(
          "このコンピュータのユーザーには、このファイルに書き込む許可がありません。先生に知らせて下さい。");
    case FileFault::Missing:
      return QStringLiteral(
          "共有フォルダが見つかりません。ネットワークがつながっているか、先生に確かめてもらって下さい。");
    case FileFault::Full:
      return QStringLiteral("共有フォルダがいっぱいです。先生に知らせて下さい。");
    case FileFault::DeviceError:
      return QStringLiteral(
          "ディスクかネットワークの具合が悪く、読み書きに失敗しました。先生に知らせて下さい。");
    case FileFault::Other:
      break;
  }
  return QStringLiteral("ファイルを読み書きできません。先生に知らせて下さい。");
}

QString systemErrorText(int errorNumber) { return QString::fromLocal8Bit(std::strerror(errorNumber)); }

QString faultMessage(const QString& what, const QString& path, int errorNumber) {
  return QStringLiteral("%1\n%2\n%3\n（%4 %5）")
      .arg(what, path, faultExplanation(faultOf(errorNumber)), systemErrorText(errorNumber))
      .arg(errorNumber);
}
