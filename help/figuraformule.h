#pragma once
// The picture of the seismic check's formulas: for the five load cases of the
// pipe's ring and its three sections, the bending moment M and the normal force
// N, each with the coefficient the check itself uses (taken from seismic/, so
// the picture and the check cannot disagree), under a legend of the symbols and
// above the working stresses sigma = N/A +- M/W.
//
// The picture is two-coloured, black on white, 824 x 1184 pixels at 3790 x 3800
// pixels per metre (about 96 dpi: 15 twips a pixel), and is written as a
// one-bit Windows bitmap, 123198 bytes, whatever the file's extension says.

#include <QImage>
#include <QString>

namespace office {
class Selezione;
}

namespace guida {

constexpr int larghezzaFigura = 824; // pixels
constexpr int altezzaFigura = 1184;
constexpr int puntiPerMetroX = 3790;
constexpr int puntiPerMetroY = 3800;

// Draws the picture.
QImage figuraFormule();

// Writes the picture as a one-bit Windows bitmap; a failed write leaves the file
// that was there. The error text, or empty when written.
QString salvaFigura(const QImage& figura, const QString& percorso);

// The picture's file, in the folder of the documents (the word processor takes
// the picture from there).
QString percorsoFigura();

// Writes the picture to its file and inserts it at the selection. When the
// file cannot be written or read back the user is told, and the document goes
// on without the picture. True when inserted.
bool inserisciFigura(office::Selezione& selezione, const QImage& figura);

} // namespace guida
