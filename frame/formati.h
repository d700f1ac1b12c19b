// The runtime conversions between numbers and texts that the program uses:
// the leading number of a text, the plain and the Str form of a number,
// the number patterns and the long date.
#pragma once

#include <QString>

class QDate;
class Valore;

// Characters from the start of the text to the end of the number that begins it
// (leading blanks and tabs counted), 0 when no number begins it. A number is an
// optional sign, digits with an optional "." and digits (at least one digit in
// all), and an exponent (E, e, D or d, optional sign, digits) only when digits
// follow the letter.
int lunghezzaNumeroIniziale(QStringView testo);

// The leading number of a text, 0 when none begins it; a comma ends the number.
// A number too large for a double gives an infinity of its sign.
double Val(const QString& testo);

// Shortest decimal text of a number with at most 15 significant digits and "."
// as separator: "0.5", "-1.25", "12", "0". Exponent form ("1E+20", "1E-05") below
// 0.0001 and from 1E+15 on in size.
QString testoNumero(double n);

// The Str form: testoNumero with a blank in front of a number at or above 0 and
// no zero before the separator: " 12", " .5", "-.5", " 0".
QString Str(double n);

// A number pattern such as "###0.00", "##0.00", "###0.0", "##,##0.00": the
// zeros before "." give the least count of integer digits, the zeros after it
// the fixed decimals ("#" after it: further decimals shown only when not zero),
// a "," before "." groups the digits by three. Separators are those of
// QLocale(). Rounds half away from zero on the number's 15-digit decimal form.
// Empty -> ""; a text that is not a number -> the text unchanged; a numeric
// text -> its number formatted.
QString Format(const Valore& valore, const QString& schema);

// "dddd, d mmm yyyy" in Italian whatever the locale: "lunedì, 7 dic 2026".
// An invalid date gives "".
QString formatoData(const QDate& data);
