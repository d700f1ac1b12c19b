#pragma once
// Windows-1252, the character set of the files written by the Windows version
// of the program. Qt has no converter of its own for it without ICU, so the
// 32 characters where it differs from Latin-1 are tabled here.

#include <QByteArray>
#include <QString>

namespace cp1252 {

// Decodes Windows-1252 bytes. Bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control character of the same code.
QString decodifica(const QByteArray& byte);

// Encodes a text. Each character Windows-1252 cannot hold becomes '?', and
// `perdite` (when given) receives those characters, so the caller can tell the user.
QByteArray codifica(const QString& testo, QString* perdite = nullptr);

// True when every character of the text has a Windows-1252 byte.
bool rappresentabile(const QString& testo);

// Reads a text file's bytes: UTF-8 when they are valid UTF-8 (a leading byte
// order mark is dropped), Windows-1252 otherwise.
QString leggiTesto(const QByteArray& byte);

// For bytes that open with the UTF-8 byte order mark and are not valid UTF-8 after all: the
// number (from 1) of the first line holding bytes UTF-8 does not allow; 0 for any other bytes.
int rigaUtf8NonValida(const QByteArray& byte);

} // namespace cp1252
