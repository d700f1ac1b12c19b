#pragma once
// The program's shared data and routines, alive for the whole run. The
// windows read and write these variables directly; no window keeps a copy.

#include "frame/nomifinestre.h"
#include "frame/valore.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <cstdint>

namespace ModVelmor {

constexpr int massimotratti = 500;
constexpr int massimotubi = 50;

// The segments whose stored fields may have changed since the table's derived knowledge (the
// first segment with a missing value, network/tratti.h) was last brought up to date.
inline std::bitset<massimotratti + 1> trattiCambiati = std::bitset<massimotratti + 1>().set();

// A column of the segment table, entries 1 to 500 (0 unused). A column of stored fields marks
// in trattiCambiati every segment reached for writing (the non-const access), whoever writes:
// no list of writers to keep in step. Reading through a const column marks nothing.
class Tratti {
public:
    enum class Segna { cambi, niente };
    explicit Tratti(Segna segna = Segna::cambi) : m_segna(segna == Segna::cambi) {}
    Valore& operator[](int t)
    {
        if (m_segna)
            trattiCambiati.set(std::size_t(t));
        return m_valori[std::size_t(t)];
    }
    const Valore& operator[](int t) const { return m_valori[std::size_t(t)]; }
    auto begin() const { return m_valori.cbegin(); }
    auto end() const { return m_valori.cend(); }
    void fill(const Valore& v)
    {
        m_valori.fill(v);
        if (m_segna)
            trattiCambiati.set();
    }

private:
    std::array<Valore, massimotratti + 1> m_valori;
    bool m_segna;
};
using Tubi = std::array<Valore, massimotubi + 1>; // 0 unused

// Program identity, set once at start.
inline Valore nomeprogramma;
inline Valore descrizioneprogramma;
inline Valore versione;
inline Valore dataprimaversione;
inline Valore codicedata;

// Message titles, built once at start from the identity.
inline Valore titolocontrollo;
inline QString titoloaiuto;
inline Valore titoloelimina;

// Segment table: the fields as typed (or the number the network window put in their place).
inline Tratti lunghezza, dislivello, tiposuperficie, coefsuperficie, pendenza, coefpendenza, portatacollettori,
    abitanti, dotazione, superficie, pioggia, numerosuperficie, riempimento;
// Segment results, computed by the sizing; empty until computed.
inline Tratti portatapioggia{Tratti::Segna::niente}, portatanera{Tratti::Segna::niente},
    portatatotale{Tratti::Segna::niente}, diametro{Tratti::Segna::niente}, velocita{Tratti::Segna::niente};
// The stored fields of a segment in the order the data files hold them, and its results.
std::array<Tratti*, 13> campitratto();
std::array<Tratti*, 5> risultatitratto();
inline int numerotratti = 0;
inline int primotratto = 1;
inline QString sistema;

// Surface types and their run-off coefficients, entries 1 to 10.
inline std::array<QString, 11> tipisuperficie;
inline std::array<double, 11> coefficientisuperficie{};

// Pipe table.
inline Tubi riferimento;
inline std::array<QString, massimotubi + 1> materiale;
inline Tubi pesos, compr, traz, diam, spess, peso, altez, pesot, attr, incr, press, bmin, bmax;
// Working stresses (1 compression, 2 tension) of each pipe in the three sections.
inline std::array<Tubi, 3> sigmasuperiore, sigmamediana, sigmainferiore;
inline Valore numerotubi;
inline int tubocorrente = 1;

// The seven texts of the report's title page, in record order, as its window
// shows them; empty while that window was never loaded (or since it closed).
inline QStringList testifrontespizio;

// Flags and shared state.
inline Valore erroredati;
inline QString nomefile;
// The complete file last opened or saved, named in the network window's caption; while it is
// the current file, the network's save keeps it complete.
inline QString filecompleto;
inline std::uint32_t coloresfondo = 0;
inline std::int16_t righestampate = 0;
// The heading of the price list, as its window last read it.
inline Valore intestazionelistino;

// The labels of the help page that stampaguida prints.
inline QPointer<QLabel> guidatitolo;
inline QPointer<QLabel> guidatesto;

// Input and output of cifreintere.
inline QString numerotesto;
inline std::int16_t cifre = 0;

// Sets the program identity and builds the message titles.
void inizializza();
// Empties the segment table and its results; no segment is counted.
void svuotaTratti();
// Empties the pipe table and its stresses; the pipe count is never set.
void svuotaTubi();
// Puts every shared variable above back as at start (the identity and titles
// set again): the one list of the shared data, so that none is forgotten.
void azzera();
// Fills the surface types and their coefficients.
void impostaTipiSuperficie();
// Decimal alignment: the count of characters before the decimal separator of numerotesto.
void cifreintere();
// Hands an address to the system's default handler; a result above 32 means success.
std::int32_t apriindirizzo(const QString& indirizzo);
// The program's exit command.
void esciprogramma();
// Types the help page whose labels guidatitolo and guidatesto refer to into a new document.
void stampaguida();

// The windows of the program in the order the exit routine unloads them.
extern const std::array<const char*, 23> ordineChiusura;
// The seven main windows by their number 1 to 7 (entry 0 unused): the
// window's name, its entry in the View menu and its toolbar button's tooltip.
struct FinestraNumerata {
    const char* nome;
    const char* voceMenu;
    const char* suggerimento;
};
inline constexpr std::array<FinestraNumerata, 8> finestreNumerate = {{
    {"", "", ""},
    {finestre::nomi::dati, "Finestra Dati", "visualizza finestra 'Dati'"},
    {finestre::nomi::pluviometrici, "Finestra Dati pluviometrici", "visualizza finestra 'Dati pluviometrici'"},
    {finestre::nomi::sismica, "Finestra Verifica sismica", "visualizza finestra 'Verifica Sismica'"},
    {finestre::nomi::circolare, "Finestra normativa - definizioni", "visualizza finestra 'Normativa tecnica - Definizioni'"},
    {finestre::nomi::circolare2, "Finestra normativa - progetto di massima",
     "visualizza finestra 'Normativa tecnica - Progetto di massima'"},
    {finestre::nomi::circolare3, "Finestra normativa - progetto esecutivo",
     "visualizza finestra 'Normativa tecnica - Progetto esecutivo'"},
    {finestre::nomi::frontespizio, "Finestra Frontespizio", "visualizza finestra 'Frontespizio'"},
}};
// Their names alone.
inline constexpr std::array<const char*, 8> finestrePrincipali = [] {
    std::array<const char*, 8> nomi{};
    for (std::size_t k = 0; k < nomi.size(); ++k)
        nomi[k] = finestreNumerate[k].nome;
    return nomi;
}();

} // namespace ModVelmor
