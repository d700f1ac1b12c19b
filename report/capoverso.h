#pragma once
// A paragraph of the report's prose, kept as the printer breaks it. Each line
// is written as plain words with single blanks; when printed, every line but
// the last is brought to the paragraph's width by doubling blanks. A line
// already at the width (a line the report must print letter for letter) is
// printed as it stands. The document writes the same paragraph as one text:
// its words joined by single blanks.

#include <QString>
#include <QStringList>

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

} // namespace relazione
