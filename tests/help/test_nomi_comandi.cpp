// The help pages, the tips and the windows' usage messages name only the menu
// items, buttons and toolbar icons that the windows have. The names are read
// from the windows themselves (every window of the program is loaded and its
// menu bar, toolbar and buttons collected), so a control renamed or removed
// shows up here as a text that still names it.
#include "supporto/ambienteprogramma.h"

#include "frame/ModVelmor.h"
#include "frame/finestraprincipale.h"
#include "frame/finestre.h"
#include "frame/frmTip.h"
#include "help/pagine.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace vb;

namespace {

QString senzaAcceleratore(QString testo)
{
    return testo.remove('&').trimmed();
}

// Every menu path of a menu bar, as a text names it: "File", "File, Salva con nome...",
// "File, Salva con nome..., dati con verifica sismica".
void percorsi(const QList<QAction*>& azioni, const QString& sopra, QStringList& esito)
{
    for (QAction* a : azioni) {
        if (a->isSeparator() || a->text().trimmed().isEmpty())
            continue;
        const QString percorso = (sopra.isEmpty() ? QString() : sopra + ", ") + senzaAcceleratore(a->text());
        esito << percorso;
        if (a->menu())
            percorsi(a->menu()->actions(), percorso, esito);
    }
}

// What one window shows the user by name.
struct Comandi {
    QString finestra;
    QStringList menu; // its menu paths; empty for a window without a menu bar
    QStringList pulsanti, icone, etichette; // button captions, toolbar tooltips, label texts
};

Comandi comandiDi(const QString& nome)
{
    Finestra* f = finestre::usa(nome);
    Comandi c{nome, {}, {}, {}, {}};
    if (auto* barra = f->findChild<QMenuBar*>())
        percorsi(barra->actions(), {}, c.menu);
    for (QToolBar* t : f->findChildren<QToolBar*>())
        for (QAction* a : t->actions())
            if (!a->toolTip().isEmpty() && !a->isSeparator())
                c.icone << a->toolTip();
    for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
        if (!qobject_cast<QToolBar*>(b->parentWidget()) && !b->text().trimmed().isEmpty())
            c.pulsanti << senzaAcceleratore(b->text());
    for (QLabel* l : f->findChildren<QLabel*>())
        c.etichette << l->text().trimmed();
    return c;
}

// Whether `testo` has one of `nomi` at `pos`, as whole words, whatever the case.
bool nomeA(const QString& testo, qsizetype pos, const QStringList& nomi)
{
    return std::any_of(nomi.begin(), nomi.end(), [&](const QString& n) {
        const qsizetype fine = pos + n.size();
        return !n.isEmpty() && testo.mid(pos, n.size()).compare(n, Qt::CaseInsensitive) == 0
               && (fine >= testo.size() || !testo[fine].isLetter());
    });
}

// Keys of the keyboard, which no window shows: the only things a text may call "tasto".
const QStringList tastiera = {"TAB", "INVIO", "ESC", "CANC", "ALT", "CTRL", "MAIUSC"};

class Controllo {
public:
    Controllo()
    {
        for (const char* nome : ModVelmor::ordineChiusura)
            finestre_[QString::fromUtf8(nome)] = comandiDi(QString::fromUtf8(nome));
        // The main windows as the texts name them: the View menu's "Finestra Dati" is "Dati".
        for (std::size_t k = 1; k < ModVelmor::finestreNumerate.size(); ++k)
            brevi_ << qMakePair(QString::fromUtf8(ModVelmor::finestreNumerate[k].voceMenu).mid(9),
                                QString::fromUtf8(ModVelmor::finestreNumerate[k].nome));
        std::sort(brevi_.begin(), brevi_.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        for (const Comandi& c : finestre_)
            for (const QString& p : c.menu)
                if (!p.contains(", ") && !titoli_.contains(p))
                    titoli_ << p;
    }

    // What `testo` names that the windows do not have, one entry a problem. `propria`:
    // the window the text belongs to (its help page, its usage message), or empty. A
    // sentence that names main windows speaks of them; one that names none, of its own
    // window, or else of them all.
    QStringList problemi(const QString& testo, const QString& propria = {}) const
    {
        QStringList trovati;
        static const QRegularExpression fineFrase(QStringLiteral("(?<=[.!?])\\s+(?=[A-ZÀ-Ý\"«(])"));
        for (const QString& riga : testo.split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts))
            for (const QString& frase : riga.split(fineFrase, Qt::SkipEmptyParts)) {
                QList<Comandi> ambito = nominate(frase);
                if (ambito.isEmpty() && finestre_.contains(propria))
                    ambito << finestre_.value(propria);
                trovati << problemiDellaFrase(frase, ambito);
            }
        return trovati;
    }

    const QMap<QString, Comandi>& finestre() const { return finestre_; }

private:
    QList<Comandi> nominate(QString frase) const
    {
        QList<Comandi> esito;
        for (const auto& [breve, nome] : brevi_) {
            const QRegularExpression parola("(?<!\\w)" + QRegularExpression::escape(breve) + "(?!\\w)");
            if (frase.contains(parola))
                esito << finestre_.value(nome);
            frase.replace(parola, "#"); // "Dati pluviometrici" is not also "Dati"
        }
        return esito;
    }

    QStringList problemiDellaFrase(const QString& frase, const QList<Comandi>& ambito) const
    {
        QStringList trovati;
        QList<Comandi> conMenu, tutte;
        for (const Comandi& c : ambito)
            if (!c.menu.isEmpty())
                conMenu << c;
        for (const Comandi& c : finestre_)
            tutte << c;
        // A menu path must be in one of the windows the sentence speaks of, or in every
        // window with a menu bar when it speaks of none.
        const bool ovunque = conMenu.isEmpty();
        if (ovunque)
            for (const Comandi& c : finestre_)
                if (!c.menu.isEmpty())
                    conMenu << c;
        const auto inMenu = [&](qsizetype pos, bool soloTitolo) {
            int finestre = 0;
            for (const Comandi& c : conMenu) {
                QStringList validi = c.menu.filter(soloTitolo ? QRegularExpression("^[^,]+$") : QRegularExpression(", "));
                finestre += nomeA(frase, pos, validi) ? 1 : 0;
            }
            return ovunque ? finestre == conMenu.size() : finestre > 0;
        };

        // "File, Salva con nome..., dati con verifica sismica": a top menu and its items.
        static const QRegularExpression percorso(QStringLiteral("(?<![\\w?])(menu\\s+)?([\\w?]+)(,|\\.\\.\\.)?"));
        for (auto m = percorso.globalMatch(frase); m.hasNext();) {
            const auto r = m.next();
            const QString nome = r.captured(2);
            const bool conMenuDavanti = r.capturedLength(1) > 0, separato = r.capturedLength(3) > 0;
            if (!(nome[0].isUpper() || nome == "?") || !(conMenuDavanti || (separato && nome != "?")))
                continue; // running text, or a question mark that ends a question
            if (!titoli_.contains(nome, Qt::CaseInsensitive)) {
                if (conMenuDavanti)
                    trovati << "menu: " + nome; // "il menu Strumenti"
            } else if (!inMenu(r.capturedStart(2), !separato)) {
                trovati << "menu: " + frase.mid(r.capturedStart(2), 50);
            }
        }

        // Buttons by their caption: "il pulsante Controllo".
        QStringList pulsanti;
        for (const Comandi& c : ambito.isEmpty() ? tutte : ambito)
            pulsanti << c.pulsanti;
        static const QRegularExpression pulsante(QStringLiteral("\\bpulsant[ei]\\s+[\"«]?"));
        for (auto m = pulsante.globalMatch(frase); m.hasNext();) {
            const qsizetype pos = m.next().capturedEnd();
            if (pos < frase.size() && frase[pos].isUpper() && !nomeA(frase, pos, pulsanti))
                trovati << "pulsante: " + frase.mid(pos, 30);
        }

        // "tasto" is a key of the keyboard: "tasto TAB", never a button of a window.
        static const QRegularExpression tasto(QStringLiteral("\\btast[oi]\\s+([A-Z]\\w*)"));
        for (auto m = tasto.globalMatch(frase); m.hasNext();)
            if (const QString nome = m.next().captured(1); !tastiera.contains(nome))
                trovati << "tasto: " + nome;

        // An icon goes by its tooltip, in quotes: l'icona "controllo dati immessi".
        QStringList icone, nomi;
        for (Comandi c : tutte) {
            icone << c.icone;
            nomi << c.menu.replaceInStrings(QRegularExpression("^.*, "), "") << c.etichette << c.pulsanti;
        }
        static const QRegularExpression icona(QStringLiteral("\\bicona\\b(?:[^\"«.;]{0,40}[\"«]([^\"»]+)[\"»])?"));
        for (auto m = icona.globalMatch(frase); m.hasNext();) {
            const auto r = m.next();
            if (!icone.contains(r.captured(1), Qt::CaseInsensitive))
                trovati << "icona: " + frase.mid(r.capturedStart(), 40);
        }

        // A menu item or a topic of the help index by its caption: la voce "Finestra n. ... di 7".
        static const QRegularExpression voce(QStringLiteral("\\bvoce\\s+[\"«]([^\"»]+)[\"»]"));
        for (auto m = voce.globalMatch(frase); m.hasNext();) {
            QStringList parti = m.next().captured(1).split("...");
            for (QString& p : parti)
                p = QRegularExpression::escape(p.trimmed());
            if (nomi.filter(QRegularExpression("^" + parti.join(".*") + "$", QRegularExpression::CaseInsensitiveOption)).isEmpty())
                trovati << "voce: " + parti.join("...");
        }
        return trovati;
    }

    QMap<QString, Comandi> finestre_;
    QList<QPair<QString, QString>> brevi_; // ("Dati pluviometrici", "pluviometrici"), longest first
    QStringList titoli_;                   // of the top menus: "File", "Modifica", "Visualizza", "?"
};

using NomiDeiComandi = AmbienteProgramma;

// The check itself finds what a text names wrongly: these sentences, against the
// program's real windows, each name something that is not there, or only what is.
TEST_F(NomiDeiComandi, IlControlloTrovaINomiSbagliati)
{
    const Controllo controllo;
    const struct {
        const char* frase;
        const char* propria;
        bool giusta;
    } casi[] = {
        {"Il tasto ABC della barra degli strumenti controlla i dati.", "", false},
        {"Spostati da un campo all'altro con il tasto TAB.", "", true},
        {"I moduli e i dati della finestra attiva si stampano con FILE... STAMPA...", "", false},
        {"Con File, Stampa puoi avere, nelle finestre Dati e Verifica sismica, il modello per i dati.", "", false},
        {"Nel Frontespizio il menu File, Stampa, intera elaborazione dà la relazione.", "", true},
        {"Con File, Elimina... puoi cancellare gli archivi.", "", false}, // not in Dati pluviometrici
        {"Nella finestra Dati il menu File, Elimina... cancella gli archivi.", "", true},
        {"Usa Modifica, Controllo dati immessi.", "", true},
        {"Usa Modifica, Verifica dei dati.", "", false},
        {"Il menu Strumenti non c'è.", "", false},
        {"Il menu ?, Guida in linea, apre il sommario.", "", true},
        {"L'icona della stampante stampa i dati della sua finestra.", "", false},
        {"L'icona \"stampa dati finestra\" dice dove si stampa.", "", true},
        {"L'icona \"controlla tutto\" controlla i dati.", "", false},
        {"- controllare i dati con il pulsante Controllo.", "sismica", true},
        {"- controllare i dati con il pulsante Controllo.", "dati", false},
        {"Il pulsante Stampa del Frontespizio produce la relazione.", "", true},
        {"Il pulsante Stampa della finestra Dati stampa la rete.", "", false},
        {"La voce \"Finestra n. ... di 7\" apre la guida.", "", true},
        {"Alla voce \"Formule per verifica sismica\" del sommario.", "", true},
        {"Alla voce \"Formule idrauliche\" del sommario.", "", false},
    };
    for (const auto& c : casi) {
        const QStringList problemi = controllo.problemi(QString::fromUtf8(c.frase), QString::fromUtf8(c.propria));
        EXPECT_EQ(problemi.isEmpty(), c.giusta) << c.frase << " " << c.propria << " -> " << qPrintable(problemi.join(" | "));
    }
}

// Every help page, every tip, every window's usage message and what the printer icon
// says where nothing prints name only what the windows have.
TEST_F(NomiDeiComandi, GuidaSuggerimentiEMessaggiNominanoSoloComandiCheCiSono)
{
    const Controllo controllo;
    struct Testo {
        QString dove;
        QString testo;
        QString propria;
    };
    QList<Testo> testi;
    QMap<QString, QString> proprietario; // help page -> its main window
    for (const Comandi& c : controllo.finestre())
        if (auto* p = qobject_cast<FinestraPrincipale*>(finestre::trova(c.finestra)))
            proprietario[p->guidaPropria()] = c.finestra;
    for (const auto& p : guida::pagine) {
        const QString nome = QString::fromUtf8(p.nome);
        const auto testo = guida::testoPagina(nome);
        ASSERT_TRUE(testo.has_value()) << p.nome;
        // The circular's page serves three windows: it speaks of them all.
        testi << Testo{nome, *testo, nome == "guidanorme" ? QString() : proprietario.value(nome)};
    }
    const QStringList suggerimenti = finestre::forma<frmTip>().Tips;
    ASSERT_GT(suggerimenti.size(), 10);
    for (const QString& s : suggerimenti)
        testi << Testo{"suggerimento", s, {}};
    for (const Comandi& c : controllo.finestre()) {
        auto* f = qobject_cast<FinestraPrincipale*>(finestre::trova(c.finestra));
        if (!f)
            continue;
        for (QPushButton* b : f->findChildren<QPushButton*>()) {
            if (senzaAcceleratore(b->text()) != "AIUTO")
                continue;
            doppi::messaggi().visti.clear();
            b->click();
            for (const auto& m : doppi::messaggi().visti)
                testi << Testo{"aiuto di " + c.finestra, m.testo, c.finestra};
        }
        doppi::messaggi().visti.clear();
        if (f->numero() <= 3) { // the windows of the network, the rain and the pipes print nothing
            f->Toolbar1_ButtonClick(5);
            for (const auto& m : doppi::messaggi().visti)
                testi << Testo{"stampa di " + c.finestra, m.testo, c.finestra};
        }
    }
    for (const Testo& t : testi) {
        const QStringList problemi = controllo.problemi(t.testo, t.propria);
        EXPECT_TRUE(problemi.isEmpty()) << qPrintable(t.dove) << ": " << qPrintable(problemi.join(" | "));
    }
}

// The printer icon of a window that prints nothing says where the printout is made,
// and delivers nothing; in a chapter of the circular it prints the chapter.
TEST_F(NomiDeiComandi, LIconaDellaStampanteDiceDoveSiStampa)
{
    const struct {
        const char* finestra;
        bool stampa;
    } casi[] = {{"dati", false}, {"pluviometrici", false}, {"sismica", false}, {"circolare2", true}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.finestra);
        auto* f = static_cast<FinestraPrincipale*>(finestre::usa(QString::fromUtf8(c.finestra)));
        doppi::messaggi().visti.clear();
        const qsizetype prima = fileConsegnati().size();
        f->Toolbar1_ButtonClick(5);
        office::consegnaInSospeso();
        EXPECT_EQ(fileConsegnati().size(), prima + (c.stampa ? 1 : 0));
        if (c.stampa) {
            EXPECT_TRUE(doppi::messaggi().visti.empty());
            continue;
        }
        ASSERT_EQ(doppi::messaggi().visti.size(), 1u);
        EXPECT_EQ(doppi::messaggi().visti[0].stile, vbInformation);
        EXPECT_TRUE(doppi::messaggi().visti[0].testo.contains("Frontespizio"));
    }
}

// The terms of use promise only the support that the support window offers: no
// channel or hours that it does not give.
TEST_F(NomiDeiComandi, LaLicenzaPrometteSoloLAssistenzaDelSupporto)
{
    const QString supporto = comandiDi(finestre::nomi::supportoclienti).etichette.join(' ');
    const QString licenza = finestre::usa(finestre::nomi::licenza)->findChild<QPlainTextEdit*>()->toPlainText();
    ASSERT_TRUE(licenza.contains("Supporto prodotto"));
    for (const char* modo : {"telefon", "orari", "fax", "posta elettronica", "giorni feriali"}) {
        const QString m = QString::fromUtf8(modo);
        if (licenza.contains(m, Qt::CaseInsensitive)) {
            EXPECT_TRUE(supporto.contains(m, Qt::CaseInsensitive)) << modo;
        }
    }
    // Decompiling stays allowed where the copyright law allows it for interoperability.
    EXPECT_TRUE(licenza.contains("64-quater"));
    EXPECT_TRUE(licenza.contains("interoperabilità"));
}

} // namespace
