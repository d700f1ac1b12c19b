#include "frame/record.h"

#include "frame/cp1252.h"
#include "frame/formati.h"
#include "office/salvataggio.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace record {

QString Adattamenti::descrizione() const
{
    QStringList parti;
    if (virgolette)
        parti << QStringLiteral("le virgolette (\") dentro i testi sono state scritte come virgolette tipografiche (”)");
    if (aCapo)
        parti << QStringLiteral("gli a capo dentro i testi sono stati scritti come spazi");
    if (!caratteriPersi.isEmpty())
        parti << "i caratteri " + caratteriPersi + " non sono ammessi nel file e sono stati scritti come '?'";
    return parti.join(QStringLiteral("; "));
}

QByteArray scrivi(const Campi& campi, Adattamenti* adattamenti)
{
    QByteArray riga;
    for (int i = 0; i < campi.size(); ++i) {
        if (i > 0)
            riga.append(',');
        const Valore& v = campi[i];
        if (v.eNumero()) {
            riga.append(testoNumero(v.numero()).toLatin1());
        } else if (v.eTesto()) {
            QString testo = v.testo();
            if (testo.contains(QChar('"'))) {
                testo.replace(QChar('"'), QChar(0x201D));
                if (adattamenti)
                    adattamenti->virgolette = true;
            }
            if (testo.contains(QChar('\n')) || testo.contains(QChar('\r'))) {
                testo.replace(QChar('\n'), QChar(' ')).replace(QChar('\r'), QChar(' '));
                if (adattamenti)
                    adattamenti->aCapo = true;
            }
            QString persi;
            riga.append('"');
            riga.append(cp1252::codifica(testo, &persi));
            riga.append('"');
            if (adattamenti)
                for (QChar c : persi)
                    if (!adattamenti->caratteriPersi.contains(c))
                        adattamenti->caratteriPersi.append(c);
        }
    }
    riga.append("\r\n");
    return riga;
}

std::optional<Campi> leggi(const QString& riga)
{
    Campi campi;
    int i = 0;
    const int n = riga.size();
    while (true) {
        if (i < n && riga[i] == QChar('"')) {
            const int chiusa = riga.indexOf(QChar('"'), i + 1);
            if (chiusa < 0)
                return std::nullopt;
            campi.append(Valore(riga.mid(i + 1, chiusa - i - 1)));
            i = chiusa + 1;
            if (i < n && riga[i] != QChar(','))
                return std::nullopt;
        } else {
            int fine = riga.indexOf(QChar(','), i);
            if (fine < 0)
                fine = n;
            const QString nudo = riga.mid(i, fine - i).trimmed();
            if (nudo.isEmpty())
                campi.append(Valore());
            else if (Valore(nudo).numerico())
                campi.append(Valore(Val(nudo)));
            else
                return std::nullopt;
            i = fine;
        }
        if (i >= n)
            break;
        ++i; // the comma
        if (i == n) {
            campi.append(Valore()); // a comma before the line end: a last field never set
            break;
        }
    }
    return campi;
}

QList<QString> righe(const QString& testo)
{
    QList<QString> linee = testo.split(QChar('\n'));
    if (!linee.isEmpty() && linee.last().isEmpty())
        linee.removeLast();
    for (QString& l : linee)
        if (l.endsWith(QChar('\r')))
            l.chop(1);
    return linee;
}

Lettore::Lettore(const QByteArray& contenuto) : linee(righe(cp1252::leggiTesto(contenuto)))
{
    // Read as Windows-1252, such a file would fail at its first line, on the mark itself.
    if (const int riga = cp1252::rigaUtf8NonValida(contenuto))
        primoErrore = "riga " + QString::number(riga)
                      + ": il file dichiara all'inizio la codifica UTF-8, ma questa riga contiene caratteri che "
                        "in UTF-8 non sono validi";
}

void Lettore::sbaglia(const QString& motivo)
{
    if (primoErrore.isEmpty())
        primoErrore = "riga " + QString::number(posizione + 1) + ": " + motivo;
}

std::optional<Campi> Lettore::prossimo(int numeroCampi, int lunghezzaTesto)
{
    if (!primoErrore.isEmpty())
        return std::nullopt;
    if (finito()) {
        sbaglia(QStringLiteral("il file finisce prima del previsto"));
        return std::nullopt;
    }
    if (linee[posizione].size() > lunghezzaMassimaRiga) {
        sbaglia(QStringLiteral("la riga è più lunga di %1 caratteri").arg(lunghezzaMassimaRiga));
        return std::nullopt;
    }
    const auto campi = leggi(linee[posizione]);
    if (!campi) {
        sbaglia(QStringLiteral("la riga non è scritta nel formato dei file di Velmor"));
        return std::nullopt;
    }
    if (numeroCampi >= 0 && campi->size() != numeroCampi) {
        sbaglia(QStringLiteral("la riga ha %1 campi invece di %2").arg(campi->size()).arg(numeroCampi));
        return std::nullopt;
    }
    if (lunghezzaTesto >= 0)
        for (const Valore& v : *campi)
            if (v.eTesto() && v.testo().size() > lunghezzaTesto) {
                sbaglia(QStringLiteral("un testo è più lungo di %1 caratteri").arg(lunghezzaTesto));
                return std::nullopt;
            }
    ++posizione;
    return campi;
}

void Lettore::rifiuta(const QString& motivo)
{
    if (primoErrore.isEmpty())
        primoErrore = "riga " + QString::number(posizione) + ": " + motivo;
}

std::optional<Valore> Lettore::conteggio(int massimo, bool vuotoAmmesso)
{
    const int riga = posizione;
    const auto campi = prossimo(1);
    if (!campi)
        return std::nullopt;
    const Valore& v = campi->first();
    if (v.tipo() == Valore::Tipo::Vuoto && vuotoAmmesso)
        return Valore();
    const double n = v.numero();
    if (!v.eNumero() || n != std::floor(n) || n < 0 || n > massimo) {
        posizione = riga;
        sbaglia(QStringLiteral("il numero degli elementi deve essere un intero da 0 a %1").arg(massimo));
        return std::nullopt;
    }
    return Valore(int(n));
}

QString descrizioneErrore(const QFileDevice& file, bool scrittura)
{
    const QFileInfo info(file.fileName());
    const QFileInfo cartella(info.absolutePath());
    if (file.error() == QFileDevice::NoError)
        return {};
    if (info.isDir())
        return QStringLiteral("il nome è quello di una cartella, non di un file");
    switch (file.error()) {
    case QFileDevice::ReadError: return QStringLiteral("errore di lettura del disco");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError: return QStringLiteral("errore di scrittura: il disco potrebbe essere pieno");
    case QFileDevice::ResourceError:
        return QStringLiteral("il sistema non ha risorse sufficienti (troppi file aperti o memoria esaurita)");
    case QFileDevice::RenameError: return QStringLiteral("il file esistente non si può sostituire");
    case QFileDevice::RemoveError:
        return info.exists() ? QStringLiteral("il file non si può eliminare: è protetto o in uso")
                             : QStringLiteral("il file non esiste");
    default: break;
    }
    if (!cartella.isDir())
        return "la cartella " + QDir::toNativeSeparators(cartella.absoluteFilePath()) + " non esiste";
    if (!scrittura && !info.exists())
        return QStringLiteral("il file non esiste");
    if (file.error() == QFileDevice::PermissionsError || (scrittura ? !cartella.isWritable() : !info.isReadable()))
        return scrittura ? QStringLiteral("non si ha il permesso di scrivere in quella cartella")
                         : QStringLiteral("non si ha il permesso di leggere il file");
    return scrittura ? QStringLiteral("il file non si può scrivere") : QStringLiteral("il file non si può aprire");
}

int rigaTroppoLunga(const QByteArray& contenuto)
{
    int numero = 1;
    qsizetype inizio = 0;
    while (inizio < contenuto.size()) {
        qsizetype fine = contenuto.indexOf('\n', inizio);
        if (fine < 0)
            fine = contenuto.size();
        const qsizetype lunghezza = fine - inizio - (fine > inizio && contenuto[fine - 1] == '\r' ? 1 : 0);
        if (lunghezza > lunghezzaMassimaRiga)
            return numero;
        inizio = fine + 1;
        ++numero;
    }
    return 0;
}

QString salvaFile(const QString& percorso, const QByteArray& contenuto, QString* rimedio)
{
    if (const int riga = rigaTroppoLunga(contenuto)) {
        if (rimedio)
            *rimedio = QStringLiteral("Accorciare i testi più lunghi e salvare di nuovo.");
        return QStringLiteral("la riga %1 sarebbe più lunga di %2 caratteri e il file non si potrebbe più aprire")
            .arg(riga)
            .arg(lunghezzaMassimaRiga);
    }
    office::EsitoSalvataggio esito = office::salvaSuDisco(percorso, contenuto);
    if (rimedio)
        *rimedio = esito.rimedio;
    return esito.motivo;
}

} // namespace record
