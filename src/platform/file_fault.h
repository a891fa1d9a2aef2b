#pragma once

#include <QString>

// Why a data file could not be used, in the terms a teacher can act on. The lock another computer
// holds is no fault: it is waited for and never gets here.
enum class FileFault {
  ReadOnly,      // the share or the disk is set read-only
  NoPermission,  // this computer's user may not write (or read) the file
  Missing,       // the folder, or the share itself, is not there
  Full,          // no room left on the share, or the file may grow no more
  DeviceError,   // the disk or the network failed while reading or writing
  Other,
};

FileFault faultOf(int errorNumber);

// What is wrong and what to do, in plain Japanese, e.g. "共有フォルダがいっぱいです。…".
QString faultExplanation(FileFault fault);

// The whole message of a failed file operation: what could not be done, the file, the explanation
// and, last, the system's own text and error number.
QString faultMessage(const QString& what, const QString& path, int errorNumber);

// The system's own text for an error number.
QString systemErrorText(int errorNumber);
