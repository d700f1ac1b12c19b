#pragma once
// The form in which the printer prints a number.

#include <QString>

namespace office {

// A number as a print statement prints it: one position for the sign (a blank
// for zero and above, "-" below zero), the shortest decimal form of at most 15
// significant digits with the decimal separator of QLocale(), no zero in front
// of the separator, and one blank behind: 12 -> " 12 ", -3 -> "-3 ",
// 0.5 -> " ,5 " (Italian) or " .5 " (C). No digit grouping. Numbers of 1E+15
// and above, or below 1E-15, are written with an exponent: " 1E+15 ".
QString formaStampa(double numero);

// The significant digits of a positive finite number rounded to 15 of them
// (its shortest decimal form: no trailing zeros, at least one digit) and the
// power of ten of the first digit: 1234.5 -> "12345", 3; 0.007 -> "7", -3.
struct Cifre {
    QString cifre;
    int esponente = 0;
};
Cifre cifreSignificative(double positivo);

} // namespace office
