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

// A menu item and the items of its submenu; a top-level menu is an item too.
struct Voce {
    QString testo;
    QList<Voce> sotto;
};

QString senzaAcceleratore(QString testo)
{
    return testo.remove('&').trimmed();
}

QList<Voce> vociDel(const QList<QAction*>& azioni)
{
    QList<Voce> voci;
    for (QAction* a : azioni) {
        if (a->isSeparator() || a->text().trimmed().isEmpty())
            continue;
        Voce v{senzaAcceleratore(a->text()), {}};
        if (a->menu())
            v.sotto = vociDel(a->menu()->actions());
        voci << v;
    }
    return voci;
}

void tutteLeVoci(const QList<Voce>& voci, QStringList& testi)
{
    for (const Voce& v : voci) {
        testi << v.testo;
        tutteLeVoci(v.sotto, testi);
    }
}

// What one window shows the user by name.
struct Comandi {
    QString finestra;
    QList<Voce> menu; // empty for a window without a menu bar
    QStringList pulsanti;
    QStringList icone;    // the toolbar's tooltips
    QStringList etichette;
};

Comandi comandiDi(const QString& nome)
{
    Finestra* f = finestre::usa(nome);
    Comandi c{nome, {}, {}, {}, {}};
    if (auto* barra = f->findChild<QMenuBar*>())
        c.menu = vociDel(barra->actions());
    for (QToolBar* t : f->findChildren<QToolBar*>())
        for (QAction* a : t->actions())
            if (!a->isSeparator() && !a->toolTip().isEmpty())
                c.icone << a->toolTip();
    for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
        if (!qobject_cast<QToolBar*>(b->parentWidget()) && !b->text().trimmed().isEmpty())
            c.pulsanti << senzaAcceleratore(b->text());
    for (QLabel* l : f->findChildren<QLabel*>())
        if (!l->text().trimmed().isEmpty())
            c.etichette << l->text().trimmed();
    return c;
}

// Keys of the keyboard, which no window shows: the only things a text may call "tasto".
const QStringList tastiera = {"TAB", "INVIO", "ESC", "CANC", "ALT", "CTRL", "MAIUSC"};

class Controllo {
public:
    Controllo()
    {
        for (const char* nome : ModVelmor::ordineChiusura)
            finestre_ << comandiDi(QString::fromUtf8(nome));
        // The main windows as the texts name them: the View menu's "Finestra Dati" is "Dati".
        for (std::size_t k = 1; k < ModVelmor::finestreNumerate.size(); ++k) {
            QString breve = QString::fromUtf8(ModVelmor::finestreNumerate[k].voceMenu);
            breve.remove(QRegularExpression("^Finestra "));
            nomiBrevi_[breve] = QString::fromUtf8(ModVelmor::finestreNumerate[k].nome);
        }
        for (const Comandi& c : finestre_)
            for (const Voce& v : c.menu)
                if (!titoli_.contains(v.testo))
                    titoli_ << v.testo;
    }

    // What `testo` names that the windows do not have, one entry a problem. `propria`:
    // the window the text belongs to (its help page, its usage message), or empty.
    QStringList problemi(const QString& testo, const QString& propria = {}) const
    {
        QStringList trovati;
        static const QRegularExpression fineFrase(QStringLiteral("(?<=[.!?])\\s+(?=[A-ZÀ-Ý\"«(])"));
        for (const QString& riga : testo.split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts))
            for (const QString& frase : riga.split(fineFrase, Qt::SkipEmptyParts))
                trovati << problemiDellaFrase(frase, propria);
        return trovati;
    }

    const QList<Comandi>& finestre() const { return finestre_; }

private:
    QList<const Comandi*> nominate(const QString& frase) const
    {
        QString resto = frase;
        QList<const Comandi*> esito;
        QStringList brevi = nomiBrevi_.keys();
        std::sort(brevi.begin(), brevi.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& breve : brevi) {
            const QRegularExpression parola("(?<!\\w)" + QRegularExpression::escape(breve) + "(?!\\w)");
            if (resto.contains(parola)) {
                esito << comandi(nomiBrevi_.value(breve));
                resto.replace(parola, QString(breve.size(), '#'));
            }
        }
        return esito;
    }

    const Comandi* comandi(const QString& finestra) const
    {
        for (const Comandi& c : finestre_)
            if (c.finestra == finestra)
                return &c;
        return nullptr;
    }

    // The longest of `nomi` that `testo` has at `pos`, as a whole word; empty when none.
    static QString nomeA(const QString& testo, qsizetype pos, const QStringList& nomi)
    {
        QString migliore;
        for (const QString& n : nomi) {
            const qsizetype fine = pos + n.size();
            if (n.size() > migliore.size() && testo.mid(pos, n.size()).compare(n, Qt::CaseInsensitive) == 0
                && (fine >= testo.size() || !testo[fine].isLetter()))
                migliore = n;
        }
        return migliore;
    }

    // Whether the menu path that starts with top menu `titolo` at `pos` (just after the
    // title and its comma) exists in window `c`; `fine` gets where the path ends.
    static bool percorsoIn(const Comandi& c, const QString& titolo, const QString& frase, qsizetype pos, qsizetype& fine)
    {
        const Voce* livello = nullptr;
        for (const Voce& v : c.menu)
            if (v.testo.compare(titolo, Qt::CaseInsensitive) == 0)
                livello = &v;
        if (!livello)
            return false;
        bool primo = true;
        while (true) {
            while (pos < frase.size() && frase[pos].isSpace())
                ++pos;
            QStringList testi;
            for (const Voce& v : livello->sotto)
                testi << v.testo;
            const QString trovato = nomeA(frase, pos, testi);
            if (trovato.isEmpty()) {
                fine = pos;
                return !primo; // the top menu's first item must be one of its items
            }
            for (const Voce& v : livello->sotto)
                if (v.testo == trovato)
                    livello = &v;
            pos += trovato.size();
            primo = false;
            if (!frase.mid(pos).startsWith(',') || livello->sotto.isEmpty()) {
                fine = pos;
                return true;
            }
            ++pos;
        }
    }

    QStringList problemiDellaFrase(const QString& frase, const QString& propria) const
    {
        QStringList trovati;
        QList<const Comandi*> ambito = nominate(frase);
        if (ambito.isEmpty() && !propria.isEmpty())
            ambito << comandi(propria);
        QList<const Comandi*> conMenu;
        for (const Comandi* c : ambito)
            if (c && !c->menu.isEmpty())
                conMenu << c;
        // A sentence that names no window speaks of every window with a menu bar.
        const bool tutte = conMenu.isEmpty();
        if (tutte)
            for (const Comandi& c : finestre_)
                if (!c.menu.isEmpty())
                    conMenu << &c;

        // Menu paths: "File, Salva con nome..., dati con verifica sismica"; "menu Visualizza".
        for (const QString& titolo : titoli_) {
            const QRegularExpression inizio("(?<![\\w?])(menu\\s+)?(" + QRegularExpression::escape(titolo)
                                                + ")(,|\\.\\.\\.)?",
                                            QRegularExpression::CaseInsensitiveOption);
            for (auto m = inizio.globalMatch(frase); m.hasNext();) {
                const auto r = m.next();
                const bool conMenuDavanti = r.capturedLength(1) > 0;
                const bool separato = r.capturedLength(3) > 0;
                if (!r.captured(2)[0].isUpper() && titolo != "?")
                    continue; // "modifica" in running text is no menu
                if (!separato && !conMenuDavanti)
                    continue;
                if (titolo == "?" && !conMenuDavanti)
                    continue; // a question mark ends a question
                int dove = 0;
                for (const Comandi* c : conMenu) {
                    qsizetype fine = 0;
                    const bool esiste = separato ? percorsoIn(*c, titolo, frase, r.capturedEnd(), fine)
                                                 : std::any_of(c->menu.begin(), c->menu.end(), [&](const Voce& v) {
                                                       return v.testo.compare(titolo, Qt::CaseInsensitive) == 0;
                                                   });
                    dove += esiste ? 1 : 0;
                }
                if (tutte ? dove < conMenu.size() : dove == 0)
                    trovati << "menu: " + frase.mid(r.capturedStart(2), 50);
            }
        }

        // A menu named by a capitalised word must be a menu of the bar: "il menu Strumenti" is none.
        static const QRegularExpression menu(QStringLiteral("\\bmenu\\s+([\\w?]+)"));
        for (auto m = menu.globalMatch(frase); m.hasNext();) {
            const QString nome = m.next().captured(1);
            if ((nome[0].isUpper() || nome == "?") && !titoli_.contains(nome, Qt::CaseInsensitive))
                trovati << "menu: " + nome;
        }

        // Buttons by their caption: "il pulsante Controllo".
        QStringList pulsanti;
        for (const Comandi* c : ambito)
            if (c)
                pulsanti << c->pulsanti;
        if (pulsanti.isEmpty())
            for (const Comandi& c : finestre_)
                pulsanti << c.pulsanti;
        static const QRegularExpression pulsante(QStringLiteral("\\bpulsant[ei]\\s+[\"«]?"));
        for (auto m = pulsante.globalMatch(frase); m.hasNext();) {
            const auto r = m.next();
            const qsizetype pos = r.capturedEnd();
            if (pos < frase.size() && frase[pos].isUpper() && nomeA(frase, pos, pulsanti).isEmpty())
                trovati << "pulsante: " + frase.mid(pos, 30);
        }

        // "tasto" is a key of the keyboard: "tasto TAB", never a button of a window.
        static const QRegularExpression tasto(QStringLiteral("\\btast[oi]\\s+(\\S+)"));
        for (auto m = tasto.globalMatch(frase); m.hasNext();) {
            const QString nome = m.next().captured(1).remove(QRegularExpression("[^\\w]+$"));
            if (!nome.isEmpty() && nome[0].isUpper() && !tastiera.contains(nome))
                trovati << "tasto: " + nome;
        }

        // An icon goes by its tooltip, in quotes: l'icona "controllo dati immessi".
        QStringList icone;
        for (const Comandi& c : finestre_)
            icone << c.icone;
        static const QRegularExpression icona(QStringLiteral("\\bicona\\b([^\"«.;]{0,40})[\"«]([^\"»]+)[\"»]|\\bicona\\b"));
        for (auto m = icona.globalMatch(frase); m.hasNext();) {
            const auto r = m.next();
            if (r.captured(2).isEmpty())
                trovati << "icona senza il suo nome: " + frase.mid(r.capturedStart(), 40);
            else if (!icone.contains(r.captured(2), Qt::CaseInsensitive))
                trovati << "icona: " + r.captured(2);
        }

        // A menu item or a topic of the help index by its caption: la voce "Finestra n. ... di 7".
        static const QRegularExpression voce(QStringLiteral("\\bvoce\\s+[\"«]([^\"»]+)[\"»]"));
        for (auto m = voce.globalMatch(frase); m.hasNext();) {
            const QString nome = m.next().captured(1);
            QStringList parti = nome.split("...");
            for (QString& p : parti)
                p = QRegularExpression::escape(p.trimmed());
            const QRegularExpression modello("^" + parti.join(".*") + "$", QRegularExpression::CaseInsensitiveOption);
            bool esiste = false;
            for (const Comandi& c : finestre_) {
                QStringList testi = c.etichette + c.pulsanti;
                tutteLeVoci(c.menu, testi);
                esiste = esiste || !testi.filter(modello).isEmpty();
            }
            if (!esiste)
                trovati << "voce: " + nome;
        }
        return trovati;
    }

    QList<Comandi> finestre_;
    QMap<QString, QString> nomiBrevi_; // "Dati pluviometrici" -> "pluviometrici"
    QStringList titoli_;               // of the top menus: "File", "Modifica", "Visualizza", "?"
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
