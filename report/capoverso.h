#pragma once
// A paragraph of the report's prose, kept as the printer breaks it. Each line
// is written as plain words with single blanks; when printed, every line but
// the last is brought to the paragraph's width by doubling blanks. A line
// already at the width (a line the report must print letter for letter) is
// printed as it stands. The document writes the same paragraph as one text:
// its words joined by single blanks.

#include <QString>
#include <QStringList>
#include <functional>

namespace relazione {

// The report's body lines are at most this many characters of the body font.
constexpr int larghezzaTesto = 66;

struct Capoverso {
    QStringList righe;
    int larghezza = larghezzaTesto;
    bool ultimaPiena = false; // a one-line paragraph that is filled as well
};

// The line brought to `larghezza` by doubling some of its blanks, spread along
// the line. A line with too few blanks to reach the width gets all of them
// doubled and stays shorter; a line at or past the width is left as it is.
QString riempiRiga(const QString& riga, int larghezza);

// The paragraph's lines as the printer prints them.
QStringList righeStampate(const Capoverso& c);

// The paragraph's words joined by single blanks.
QString testoUnito(const Capoverso& c);

// A text broken into lines no wider than `massimo` as `larghezza` measures
// them: between words where it can, inside a word only when the word alone is
// wider. Nothing is lost: the lines joined give the text's words again. An
// empty text gives no line.
QStringList righeEntro(const QString& testo, double massimo, const std::function<double(const QString&)>& larghezza);
// The same in characters (a column of the printer's fixed-width font).
QStringList righeEntro(const QString& testo, int caratteri);
// The text with the decimal separator of the user's locale in its numbers:
// a point between two digits ("0.95", " 8.0- 9.4") becomes the locale's
// separator; a point after a letter ("n.2445", "cm.10") stays.
QString separatoreLocale(QString testo);

// A text, broken into lines of the paragraph's width, as a paragraph.
Capoverso capoverso(const QString& testo, int larghezza = larghezzaTesto);

} // namespace relazione
