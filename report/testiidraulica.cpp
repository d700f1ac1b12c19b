#include "report/testiidraulica.h"

#include "frame/ModVelmor.h"
#include "network/classipendenza.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace relazione {

namespace {

// The last two paragraphs of the collector's section are one character narrower.
constexpr int larghezzaCollettore = 65;

// Where the document's wording differs from the printer's: the document keeps
// two blanks in a few places and writes a few words its own way.
struct Variante {
    QString stampa;
    QString documento;
};

const QList<Variante>& varianti()
{
    static const QList<Variante> elenco = {
        {QStringLiteral("generale: Q"), QStringLiteral("generale:  Q")},
        {QStringLiteral("cavità superficiali"), QStringLiteral("cavità  superficiali")},
        {QStringLiteral("vengono valutati"), QStringLiteral("vengono  valutati")},
        {QStringLiteral("portata massima,"), QStringLiteral("portata  massima,")},
        {QStringLiteral("tubo, (quella"), QStringLiteral("tubo,(quella")},
        {QStringLiteral("finchè"), QStringLiteral("finché")},
    };
    return elenco;
}

// The run-off table's longer descriptions of the sizing's surface types, from type 1.
constexpr std::size_t numeroTipi = std::tuple_size_v<decltype(ModVelmor::coefficientisuperficie)> - 1;
constexpr std::array<const char*, numeroTipi> descrizioniSuperficie = {
    "tetti di metallo o di ardesia, terreni impermeabili",
    "tetti normali in tegole di laterizio",
    "tetti di cemento-amianto",
    "lastricato d'asfalto e marciapiedi con manto impermeabile",
    "lastricato in pietra o legno, con fessure sigillate",
    "lastricato in pietre di grande taglio senza sigillature",
    "massicciata in macadam e lastricati in pietre piccole",
    "viali inghiaiati",
    "superficie non edificate, ferrovie",
    "superfici di parchi e giardini",
};
static_assert(std::ranges::none_of(descrizioniSuperficie, [](const char* d) { return d == nullptr; }),
              "every surface type needs its description");

// Where the printer's table lines put their columns (characters, from 1).
constexpr int fineDescrizione = 62;    // the coefficient fills 63 to 66
constexpr int finePercentuale = 28;    // the kept percentage ends here
constexpr int inizioAggiunta = 63;     // the addition starts here
// The printer writes the first slope class its own way.
const QString primaClasseStampa = QStringLiteral(" 0  - 5.0");
const QString primaAggiuntaStampa = QStringLiteral("0");

QString dueDecimali(double n) { return QString::number(n, 'f', 2); }

} // namespace

// The sections' texts for a "misto" network.
const TestiAcqueBianche& testiMisto();
const TestiFormula& testiNereMisto();

// The paragraphs' lines. A line written with doubled blanks is one the report
// prints letter for letter, already at its width; the others are plain words.

// The network's own kind of system where the texts name it ("misto" wording for any other).
TestiAcqueBianche testiAcqueBianche(const QString& sistema)
{
    TestiAcqueBianche t = testiMisto();
    if (sistema == QLatin1String("bianche"))
        t.b.righe[0] = QStringLiteral("Infatti, per il caso specifico di acque bianche, si è ricavata la");
    return t;
}

TestiAcqueBianche testiAcqueBianche() { return testiAcqueBianche(ModVelmor::sistema); }

TestiFormula testiAcqueNere(const QString& sistema)
{
    TestiFormula t = testiNereMisto();
    if (sistema != QLatin1String("nere"))
        return t;
    // A foul-water network: the foul flow is no small share of a larger flow,
    // and there is no rain whose absence would change the system.
    t.prima = capoverso(QStringLiteral(
        "La portata delle acque nere, che in una rete per sole acque nere forma con l'apporto dei collettori "
        "secondari l'intera portata dei canali, è stata calcolata servendosi di una formula che fornisce, a "
        "partire da dati standard, un litro al secondo di acque nere per ogni 128 abitanti."));
    t.dopo[1].righe = {
        QStringLiteral("In questo caso di sole acque nere la portata totale delle"),
        QStringLiteral("tubazioni è stata quindi ottenuta sommando la portata delle acque"),
        QStringLiteral("nere e l'apporto dei collettori secondari che confluiscono nel"),
        QStringLiteral("tratto considerato."),
    };
    t.dopo.removeLast();
    return t;
}

TestiFormula testiAcqueNere() { return testiAcqueNere(ModVelmor::sistema); }

const TestiAcqueBianche& testiMisto()
{
    static const TestiAcqueBianche t{
        QStringLiteral("PORTATA ACQUE BIANCHE"),
        Capoverso{{
            QStringLiteral("I calcoli idraulici della fognatura in progetto sono stati"),
            QStringLiteral("eseguiti tenendo conto sia delle caratteristiche del bacino che vi"),
            QStringLiteral("confluisce, sia dei dati di pioggia propri della zona."),
        }},
        Capoverso{{
            QStringLiteral("Infatti,  per il caso specifico di tipo misto,  si  è  ricavata la"),
            QStringLiteral("portata utilizzando la seguente formula generale:  Q = Ar * L.  In"),
            QStringLiteral("essa Ar è l'area del bacino ridotta con opportuni coefficienti e L"),
            QStringLiteral("l'intensità della pioggia di progetto, scelta sulla base dei"),
            QStringLiteral("registri meteorologici disponibili, espressa in mm/h  considerando"),
            QStringLiteral("un evento ricorrente con una frequenza di una volta l'anno e della"),
            QStringLiteral("durata di quindici minuti: in pratica il tempo che impiega l'acqua"),
            QStringLiteral("per infiltrarsi nel terreno, colmare le cavità superficiali e"),
            QStringLiteral("scorrere dal punto più lontano del bacino al collettore (metodo"),
            QStringLiteral("razionale). Con Ar in ettari e L in mm/h la portata in litri al"),
            QStringLiteral("secondo risulta Q = Ar * L / 0.36."),
        }},
        Capoverso{{
            QStringLiteral("Quanto alla superficie del bacino, se ne è considerata la"),
            QStringLiteral("estensione in ettari, ridotta secondo i coefficienti  di  deflusso"),
            QStringLiteral("di cui alla seguente  tabella dell'ATV  (associazione tedesca  che"),
            QStringLiteral("codifica normative tecniche):"),
        }},
        Capoverso{{
            QStringLiteral("I coefficienti di deflusso così ottenuti sono poi corretti in base"),
            QStringLiteral("alla pendenza della superficie scolante, secondo quanto proposto"),
            QStringLiteral("dallo Schocklitsch per i terreni non pianeggianti."),
        }},
        Capoverso{{
            QStringLiteral("Le correzioni avvengono applicando i dati della seguente  tabella."),
        }, larghezzaTesto, true},
        Capoverso{{
            QStringLiteral("I coefficienti della tabella precedente vengono valutati in"),
            QStringLiteral("percentuale (seconda colonna) secondo la pendenza riscontrata nel"),
            QStringLiteral("bacino, della quale la prima colonna riporta gli intervalli; ai"),
            QStringLiteral("valori così ottenuti si aggiungono poi le quantità indicate nella"),
            QStringLiteral("terza colonna. In questo modo il coefficiente di deflusso finale"),
            QStringLiteral("cresce in proporzione al dislivello del bacino: quanto più questo"),
            QStringLiteral("aumenta, tanto meno il valore finale dipende dalla natura della"),
            QStringLiteral("superficie scolante, che conta sempre di meno."),
        }},
        QStringLiteral("Q = Ar * L."),
        QStringLiteral("Ai fini del calcolo ogni tratto ha il proprio coefficiente di deflusso: quello del tipo di "
                       "superficie prevalente nel suo bacino, dato dalla prima tabella, corretto secondo la classe "
                       "di pendenza media del bacino con i valori della seconda tabella. Il tipo di superficie e "
                       "la pendenza di ciascun tratto sono riportati nella tabella dei dati della rete."),
    };
    return t;
}

const TestiFormula& testiNereMisto()
{
    static const TestiFormula t{
        QStringLiteral("PORTATA ACQUE NERE"),
        Capoverso{{
            QStringLiteral("La portata delle acque nere, benché talvolta possa apparire"),
            QStringLiteral("trascurabile ai fini del dimensionamento del collettore, è stata"),
            QStringLiteral("comunque considerata come parte della portata totale dei canali,"),
            QStringLiteral("servendosi di una formula che fornisce, a partire da dati"),
            QStringLiteral("standard, un litro al secondo di acque nere per ogni 128 abitanti."),
        }},
        QStringLiteral("La formula è la seguente: "),
        QStringLiteral("Q = c * d * m * a / (3600 * h)"),
        {
            QStringLiteral("in cui c = coefficiente di afflusso;"),
            QStringLiteral("       d = dotazione idrica giornaliera;"),
            QStringLiteral("       m = coefficiente di massimo consumo;"),
            QStringLiteral("       a = numero massimo dei residente nel bacino;"),
            QStringLiteral("       h = ore al giorno di funzionamento."),
        },
        {
            Capoverso{{
                QStringLiteral("Per il coefficiente di afflusso viene adottato il valore 0.80  che"),
                QStringLiteral("corrisponde ad uno scarico dell'80% della dotazione idrica di ogni"),
                QStringLiteral("abitante nella fognatura urbana,  il rimanente  20%  si  considera"),
                QStringLiteral("disperso nell'aria sotto forma di vapore acqueo. I dati riportati"),
                QStringLiteral("nelle pagine seguenti indicano per ciascun tratto la dotazione"),
                QStringLiteral("idrica giornaliera di ogni abitante, espressa in litri; il valore"),
                QStringLiteral("'m' è il coefficiente che moltiplica tale dotazione per tenere"),
                QStringLiteral("conto dell'afflusso nell'ora di punta, e si assume pari alla"),
                QStringLiteral("quantità di 2.25. Il numero massimo dei residenti nel bacino viene"),
                QStringLiteral("anch'esso riportato nelle tabelle seguenti, mentre si assume in"),
                QStringLiteral("maniera automatica in 16 ore il funzionamento dello scarico."),
            }},
            Capoverso{{
                QStringLiteral("In questo caso di sistema misto la portata totale delle  tubazioni"),
                QStringLiteral("è stata quindi ottenuta sommando la portata delle acque bianche,"),
                QStringLiteral("quella delle acque nere e l'apporto dei collettori secondari che"),
                QStringLiteral("confluiscono nel tratto considerato."),
            }},
            Capoverso{{
                QStringLiteral("Le formule restano valide anche quando dalla tabella dei dati"),
                QStringLiteral("risulta che la pioggia di progetto manca, perché il suo valore è"),
                QStringLiteral("stato posto uguale a zero: in tal caso si intende che quel tratto"),
                QStringLiteral("della rete fognante non riceve alcuna portata di acqua di"),
                QStringLiteral("pioggia, ma solamente acque nere e il sistema  non  sarà  di  tipo"),
                QStringLiteral("misto."),
            }},
        },
    };
    return t;
}

const TestiFormula& testiCollettore()
{
    static const TestiFormula t{
        QStringLiteral("CALCOLO DELLA SEZIONE DEL COLLETTORE"),
        Capoverso{{
            QStringLiteral("Il calcolo della sezione nominale del  tubo,  (quella strettamente"),
            QStringLiteral("necessaria e sufficiente al deflusso delle acque), determinata per"),
            QStringLiteral("ogni tratto della rete, è stato svolto applicando la formula del"),
            QStringLiteral("Kutter. Questa formula fornisce in realtà la velocità dei liquami"),
            QStringLiteral("in metri al secondo, e quindi la portata in litri al secondo,  una"),
            QStringLiteral("volta fissato il diametro del collettore; nel presente calcolo si"),
            QStringLiteral("segue invece un procedimento iterativo che cerca, per incrementi"),
            QStringLiteral("successivi, il raggio minimo di una tubazione circolare in grado"),
            QStringLiteral("di smaltire una portata valutata con il metodo sopra descritto."),
        }},
        QStringLiteral("La formula del Kutter è la seguente: "),
        QStringLiteral("v = 100 / (1 + m / Sqr(r)) * Sqr(r * j)"),
        {
            QStringLiteral("in cui v = velocità dell'acqua in metri al secondo;"),
            QStringLiteral("       m = coefficiente di scabrezza (che si assume pari a 0.35);"),
            QStringLiteral("       (Sqr è il simbolo della radice quadrata);"),
            QStringLiteral("       r = raggio idraulico della sezione piena (D/4) in metri;"),
            QStringLiteral("       j = pendenza del tratto di fogna."),
        },
        {
            Capoverso{{
                QStringLiteral("Si calcola la portata massima, cioè l'area della sezione del tubo"),
                QStringLiteral("moltiplicata per la velocità, con un diametro inizialmente"),
                QStringLiteral("impostato a cm.10. Se tale portata è inferiore a quella di cui si"),
                QStringLiteral("ha bisogno nel tratto in esame, il diametro della tubazione viene"),
                QStringLiteral("automaticamente aumentato di un centimetro.  Ciò  viene  ripetuto"),
                QStringLiteral("finchè il tubo non raggiunge una sezione sufficiente per la"),
                QStringLiteral("portata ricavata con le formule precedenti. Si ottiene così il"),
                QStringLiteral("diametro di calcolo di ciascun tratto della rete."),
            }, larghezzaCollettore},
            Capoverso{{
                QStringLiteral("I diametri di calcolo, che tengono già conto della percentuale di"),
                QStringLiteral("riempimento della sezione indicata nei dati per ciascun tratto,"),
                QStringLiteral("sono riportati nella colonna 'diam.'; il diametro da porre in"),
                QStringLiteral("opera è quello commerciale (reperibile sul mercato) uguale o"),
                QStringLiteral("immediatamente superiore al diametro di calcolo del tratto."),
                QStringLiteral("Tutti i valori del dimensionamento, tratto per tratto, si trovano"),
                QStringLiteral("nella tabella del paragrafo 'DATI E DIMENSIONAMENTO DELLA RETE'."),
            }, larghezzaCollettore},
        },
    };
    return t;
}

QString testoDocumento(const Capoverso& c)
{
    QString testo = testoUnito(c);
    for (const Variante& v : varianti())
        testo.replace(v.stampa, v.documento);
    return separatoreLocale(testo);
}

QList<RigaTabella> tabellaDeflusso()
{
    // The sizing's table, filled here too when the network window has not been opened.
    if (ModVelmor::tipisuperficie[1].isEmpty())
        ModVelmor::impostaTipiSuperficie();
    const QString descrizione = QStringLiteral("Caratteristiche della superficie scolante");
    const QString coefficiente = QStringLiteral("coeff.deflusso");
    QList<RigaTabella> righe{{descrizione.leftJustified(larghezzaTesto - coefficiente.size()) + coefficiente,
                              {descrizione, coefficiente}}};
    for (std::size_t tipo = 1; tipo <= numeroTipi; ++tipo) {
        const QString d = QString::fromUtf8(descrizioniSuperficie[tipo - 1]);
        const QString c = separatoreLocale(dueDecimali(ModVelmor::coefficientisuperficie[tipo]));
        righe.append({d.leftJustified(fineDescrizione) + c, {d, c}});
    }
    return righe;
}

QList<RigaTabella> tabellaPendenze()
{
    QList<RigaTabella> righe{{QStringLiteral("Pendenza in %     % del coefficiente di deflusso          aggiunta"),
                              {QStringLiteral("Pendenza in %"), QStringLiteral("% del coefficiente di deflusso"),
                               QStringLiteral("aggiunta")}}};
    for (int classe = 0; classe < rete::numeroclassipendenza; ++classe) {
        const QString intervallo = separatoreLocale(rete::intervallopendenza(classe));
        const QString percentuale = QString::number(rete::percentualemantenuta(classe));
        const QString aggiunta = separatoreLocale(dueDecimali(rete::aggiuntapendenza(classe)));
        const QString inizio = separatoreLocale(classe == 0 ? primaClasseStampa : intervallo);
        const QString riga = (inizio + percentuale.rightJustified(finePercentuale - inizio.size()))
                                 .leftJustified(inizioAggiunta - 1)
                             + (classe == 0 ? primaAggiuntaStampa : aggiunta);
        righe.append({riga, {intervallo, percentuale, aggiunta}});
    }
    return righe;
}

} // namespace relazione
