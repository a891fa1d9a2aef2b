#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

// Puts the input in place of one text file of the installation, runs its reader, and checks what every
// reader owes a school with a damaged file: no crash, no endless loop, an error with a message rather
// than a silent failure, and the file left exactly as it was.
void fuzzTextFile(const QString& relativePath, const std::uint8_t* data, std::size_t size,
                  const std::function<void()>& read);
