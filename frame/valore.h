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
