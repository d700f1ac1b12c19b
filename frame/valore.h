// A typed field: empty, a text as the user typed it, or a number the program set.
#pragma once

#include <QString>
#include <variant>

class Valore {
public:
    enum class Tipo { Vuoto, Testo, Numero };

    Valore();                       // empty
    Valore(double n);               // number
    Valore(int n);                  // number
    Valore(const QString& t);       // text; "" stays a text
    Valore(const char* t);          // text (UTF-8)

    Tipo tipo() const;
    // Empty, or a text that is "": what a data check calls a missing value.
    bool vuoto() const;
    bool eNumero() const;
    bool eTesto() const;

    // Empty -> 0; number -> itself; text -> its leading number (Val).
    double numero() const;
    // Empty -> ""; text -> as typed; number -> testoNumero.
    QString testo() const;
    // A number, or a text that as a whole (blanks and tabs around allowed)
    // reads as a finite decimal number written with ".".
    bool numerico() const;

    bool operator==(const Valore&) const = default;

private:
    std::variant<std::monostate, QString, double> contenuto;
};

// A text typed so far that is not a number yet but becomes one when more is
// typed at its end: a sign or a point alone ("-", "+.", "."), or a mantissa
// whose exponent has no digits yet ("1e", "2.5D-"). The rule of every window
// that waits for a number to be finished before it says anything. A letter
// with no digit before it ("e", "-d"), or blanks after the text, is not such a
// start: nothing typed at its end makes a number of it.
bool numeroIncompleto(const QString& testo);
