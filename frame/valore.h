// A typed field: empty, a text as the user typed it, or a number the program set.
#pragma once

#include <QString>

class Valore {
public:
    enum class Tipo { Vuoto, Testo, Numero };

    Valore();                       // empty
    Valore(double n);               // number
    Valore(int n);                  // number
    Valore(const QString& t);       // text; "" stays a text
    Valore(const char* t);          // text (UTF-8)

    Tipo tipo() const { return m_tipo; }
    // Empty, or a text that is "": what a data check calls a missing value.
    bool vuoto() const { return m_tipo == Tipo::Vuoto || (m_tipo == Tipo::Testo && m_testo.isEmpty()); }
    bool eNumero() const { return m_tipo == Tipo::Numero; }
    bool eTesto() const { return m_tipo == Tipo::Testo; }

    // Empty -> 0; number -> itself; text -> its leading number (Val).
    double numero() const { return m_numero; }
    // Empty -> ""; text -> as typed; number -> testoNumero.
    QString testo() const;
    // A number, or a text that as a whole (blanks and tabs around allowed)
    // reads as a finite decimal number written with ".".
    bool numerico() const { return m_numerico; }

    bool operator==(const Valore&) const = default;

private:
    // A text is read once, when the value is made: the checks and the sizing ask for its
    // number again and again, and the grid holds hundreds of them.
    Tipo m_tipo = Tipo::Vuoto;
    QString m_testo;       // texts only
    double m_numero = 0;
    bool m_numerico = false;
};

// A text typed so far that is not a number yet but becomes one when more is
// typed at its end: blanks alone (" ", typed before the number), a sign or a
// point alone ("-", "+.", "."), or a mantissa whose exponent has no digits yet
// ("1e", "2.5D-"). The rule of every window
// that waits for a number to be finished before it says anything. A letter
// with no digit before it ("e", "-d"), or blanks after the text, is not such a
// start: nothing typed at its end makes a number of it.
bool numeroIncompleto(const QString& testo);
