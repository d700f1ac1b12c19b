#pragma once
// The price list file "listino.txt": a heading, the count of entries, then
// four fields per entry (program name, subject, list price, offer price), in
// the record encoding of the data files. The fields are taken in order,
// whatever their distribution over lines; empty lines are skipped. Values keep
// what the file holds (a price written 150 stays the number 150; a quoted
// price stays a text): prices are formatted only when printed.

#include "frame/valore.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace guida {

constexpr int massimoProdotti = 100;

struct Prodotto {
    Valore nomeprodotto;
    Valore argomento;
    Valore prezzolistino;
    Valore prezzoofferta;
};

struct Listino {
    Valore intestazione;
    QList<Prodotto> prodotti; // at most massimoProdotti
};

// Nothing, with the reason in Italian in `errore`, when the content is not a
// price list: empty, a count that is not a whole number from 0 up, a line not
// in the record encoding, fewer entries than the count. A count above 100
// gives the first 100 entries and says so in `errore`; otherwise `errore` is
// left empty. Entries after the hundredth are never read.
std::optional<Listino> leggiListino(const QByteArray& contenuto, QString* errore);

} // namespace guida
