#pragma once
// What the fuzzed readers share: a check that stops the run with a message
// (libFuzzer keeps the input that made it fail; the replay test fails), a
// file to hand the bytes to readers that take a path, and the Qt application
// the windows need.

#include "archivi/archivi.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

[[noreturn]] void fallisce(const char* condizione, const char* file, int riga);

#define VERIFICA(condizione) \
    ((condizione) ? static_cast<void>(0) : ::fuzz::fallisce(#condizione, __FILE__, __LINE__))

QByteArray byte(const std::uint8_t* dati, std::size_t quanti);

// Writes the bytes to the same file of a private temporary folder and gives its path.
QString inFile(const QByteArray& contenuto);

// One QApplication on the offscreen platform, built on first call, with the
// tests' doubles of message boxes and dialogs.
void applicazione();

// A data file of `tipo` opened by the window's open command: refused with a
// message and no datum changed, or taken in; what the program then saves must
// read back with the same shape.
void provaArchivio(archivi::Tipo tipo, const QByteArray& contenuto);

} // namespace fuzz
