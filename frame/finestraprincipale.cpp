#include "frame/finestraprincipale.h"

#include "frame/ModVelmor.h"
#include "frame/barrastrumenti.h"
#include "frame/clsResize.h"
#include "frame/colori.h"
#include "frame/controlli.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/servizi.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using namespace servizi;
using namespace vb;

FinestraPrincipale::FinestraPrincipale(const QString& nome, int numero, const QString& breve, const QString& guidaPropria,
                                       Menu conMenu)
    : Finestra(nome), passo(controlli::etichettaAdattata(QString(), colori::giallo, controlli::Bordo::Singolo, Qt::AlignCenter)),
      Toolbar1(new Barrastrumenti(numero)), numeroFinestra(numero), nomeBreve(breve), guida(guidaPropria)
{
    passo->setObjectName(QStringLiteral("passo"));
    passo->setWordWrap(true);
    passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    controlli::coloreTesto(passo, 0);
    piazzaInAlto(Toolbar1, altezzaBarra);
    connect(Toolbar1, &Barrastrumenti::ButtonClick, this, [this](int i) { Toolbar1_ButtonClick(i); });

    if (conMenu == Menu::Con) {
        file = barraMenu()->addMenu(QStringLiteral("&File"));
        file->setObjectName(QStringLiteral("file"));
    }
    setWidth(larghezza);
    setHeight(altezza);
}

FinestraPrincipale::~FinestraPrincipale() = default;

QAction* FinestraPrincipale::aggiungiVoce(QMenu* menu, const QString& nome, const QString& caption,
                                          std::function<void()> azione)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(nome);
    connect(a, &QAction::triggered, this, [azione = std::move(azione)] { azione(); });
    return a;
}

QMenu* FinestraPrincipale::aggiungiSottomenu(QMenu* menu, const QString& nome, const QString& caption)
{
    QMenu* sotto = menu->addMenu(caption);
    sotto->setObjectName(nome);
    sotto->menuAction()->setObjectName(nome);
    return sotto;
}

void FinestraPrincipale::aggiungiSalvataggi(QMenu* menu, std::function<void()> salva, std::function<void()> senzaVerifica,
                                            std::function<void()> conVerifica)
{
    aggiungiVoce(menu, QStringLiteral("salva"), QStringLiteral("&Salva"), std::move(salva));
    QMenu* salvano = aggiungiSottomenu(menu, QStringLiteral("salvano"), QStringLiteral("Salva con &nome..."));
    aggiungiVoce(salvano, QStringLiteral("salvanome"), QStringLiteral("dati &senza verifica sismica"), std::move(senzaVerifica));
    aggiungiVoce(salvano, QStringLiteral("salvatutto"), QStringLiteral("dati &con verifica sismica"), std::move(conVerifica));
}

QPushButton* FinestraPrincipale::pulsanteInBasso(const QString& caption, const QString& suggerimento, int left,
                                                 std::function<void()> azione)
{
    QPushButton* p = controlli::pulsante(caption, suggerimento);
    piazza(p, left, 5760, 1095, 375);
    connect(p, &QPushButton::clicked, this, [azione = std::move(azione)] { azione(); });
    return p;
}

QAction* FinestraPrincipale::voce(const QString& nome) const
{
    return findChild<QAction*>(nome);
}

void FinestraPrincipale::completaBarraMenu()
{
    QMenuBar* barra = barraMenu();

    QMenu* modi = barra->addMenu(QStringLiteral("&Modifica"));
    modi->setObjectName(QStringLiteral("modi"));
    aggiungiVoce(modi, QStringLiteral("colorare"), QStringLiteral("&Colore di sfondo"), [this] { colorare_Click(); });
    modi->addSeparator();
    aggiungiVoce(modi, QStringLiteral("controllodat"), QStringLiteral("Controllo &dati immessi"),
                 [this] { comandoControllo(); });
    modi->addSeparator();
    aggiungiVoce(modi, QStringLiteral("cancella"), QStringLiteral("C&ancella dati finestra"), [this] { comandoCancella(); });

    QMenu* visu = barra->addMenu(QStringLiteral("&Visualizza"));
    visu->setObjectName(QStringLiteral("visu"));
    for (int k = 1; k <= 7; ++k) {
        QAction* a = aggiungiVoce(visu, QStringLiteral("fin%1").arg(k), QString::fromUtf8(ModVelmor::finestreNumerate[k].voceMenu),
                                  [this, k] { fin_Click(k); });
        if (k == numeroFinestra) {
            a->setCheckable(true);
            a->setChecked(true);
            connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
        }
        if (k == 1 || k == 6)
            visu->addSeparator();
    }

    QMenu* aiuto = barra->addMenu(QStringLiteral("&?"));
    aiuto->setObjectName(QStringLiteral("help"));
    aggiungiVoce(aiuto, QStringLiteral("guida"), QStringLiteral("&Guida in linea"), [this] { guida_Click(); });
    aggiungiVoce(aiuto, QStringLiteral("sugger"), QStringLiteral("&Suggerimenti..."), [this] { sugger_Click(); });
    aiuto->addSeparator();
    aggiungiVoce(aiuto, QStringLiteral("supporto"), QStringLiteral("Supporto &prodotto"), [this] { supporto_Click(); });
    aiuto->addSeparator();
    aggiungiVoce(aiuto, QStringLiteral("informazioni"), QStringLiteral("&Informazioni su Velmor"),
                 [this] { informazioni_Click(); });

    // The item's caption begins with blanks that push it to the right end of
    // the menu bar; here the bar's right corner holds it, showing the caption
    // without the blanks, so that it never overflows a narrow window.
    auto* propria = new QAction(QString(123, QChar(' ')) + QStringLiteral("Fi&nestra n.%1 di 7").arg(numeroFinestra), this);
    propria->setObjectName(QStringLiteral("finestra"));
    connect(propria, &QAction::triggered, this, [this] { finestra_Click(); });
    auto* angolo = new QToolButton(barra);
    angolo->setObjectName(QStringLiteral("finestraAngolo"));
    angolo->setAutoRaise(true);
    angolo->setText(propria->text().trimmed());
    angolo->setToolTip(QStringLiteral("la guida di questa finestra"));
    connect(angolo, &QToolButton::clicked, propria, &QAction::trigger);
    barra->setCornerWidget(angolo, Qt::TopRightCorner);
}

void FinestraPrincipale::Form_Load()
{
    ridimensiona = std::make_unique<clsResize>();
    ridimensiona->SourceForm(this);
    ridimensiona->SizeFormToScreen(75);
    setHeight(altezza);
    setWidth(larghezza);
}

void FinestraPrincipale::Form_Resize()
{
    if (ridimensiona)
        ridimensiona->ResizeControls();
}

void FinestraPrincipale::Form_Unload()
{
    ridimensiona.reset();
}

void FinestraPrincipale::Toolbar1_ButtonClick(int indice)
{
    if (indice < 1 || indice > Barrastrumenti::numeroPulsanti)
        indice = 1;
    switch (indice) {
    case 2: comandoSalva(); break;
    case 3: comandoElimina(); break;
    case 5: comandoStampa(); break;
    case 7: case 8: case 9: case 10: case 11: case 12: case 13: fin_Click(indice - 6); break;
    case 15: guida_Click(); break;
    case 16: sugger_Click(); break;
    case 17: supporto_Click(); break;
    case 18: informazioni_Click(); break;
    case 20: comandoControllo(); break;
    case 21: comandoCancella(); break;
    case 22: esci_Click(); break;
    case 4: case 6: case 14: case 19: break; // separators
    default: comandoApri(); break;
    }
}

void FinestraPrincipale::comandoStampa()
{
    MsgBox(senzaStampa(), vbInformation, ModVelmor::titoloaiuto);
}

QString FinestraPrincipale::senzaStampa() const
{
    return QStringLiteral("Questa finestra non stampa i propri dati.\r"
                          "La relazione tecnica, con i dati della rete e della verifica sismica, si stampa dalla finestra "
                          "Frontespizio: pulsante Stampa, oppure menu File, Stampa.");
}

void FinestraPrincipale::fin_Click(int k)
{
    if (k == numeroFinestra) {
        const int risposta = MsgBox("E' questa la finestra '" + nomeBreve + "': si vuole la guida della finestra?",
                                    vbYesNo + vbQuestion);
        if (risposta != vbNo)
            finestre::mostra(guida);
        return;
    }
    if (k >= 1 && k <= 7)
        finestre::mostra(QString::fromUtf8(ModVelmor::finestrePrincipali[k]));
}

void FinestraPrincipale::finestra_Click()
{
    finestre::mostra(guida);
}

void FinestraPrincipale::colorare_Click()
{
    if (BackColor() != colori::grigio) {
        const int risposta = MsgBox(QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"), vbYesNo,
                                    ModVelmor::nomeprogramma.testo() + ": colore di sfondo");
        if (risposta == vbYes) {
            for (const char* nome : {finestre::nomi::dati, finestre::nomi::sismica, finestre::nomi::pluviometrici, finestre::nomi::circolare, finestre::nomi::circolare2, finestre::nomi::circolare3, finestre::nomi::frontespizio})
                if (Finestra* f = finestre::usa(QString::fromUtf8(nome)))
                    f->setBackColor(colori::grigio);
            return;
        }
    }
    // The dialog starts from the window's own colour, so that cancelling it
    // the first time leaves the window as it was.
    if (!coloreDialogoImpostato) {
        CommonDialog1.Color = BackColor();
        coloreDialogoImpostato = true;
    }
    CommonDialog1.ShowColor();
    ModVelmor::coloresfondo = CommonDialog1.Color;
    setBackColor(CommonDialog1.Color);
}

void FinestraPrincipale::guida_Click() { finestre::mostra(finestre::nomi::sommario); }
void FinestraPrincipale::sugger_Click() { finestre::mostra(finestre::nomi::frmTip); }
void FinestraPrincipale::supporto_Click() { finestre::mostra(finestre::nomi::supportoclienti); }
void FinestraPrincipale::informazioni_Click() { finestre::mostra(finestre::nomi::informa); }
void FinestraPrincipale::esci_Click() { ModVelmor::esciprogramma(); }

void FinestraPrincipale::closeEvent(QCloseEvent* evento)
{
    // With no other main window on screen, closing this one would leave the program running
    // with nothing to reach its data by: such a close is the program's exit, with its question.
    for (const QString& nome : finestre::nomiCaricate()) {
        const auto* altra = qobject_cast<const FinestraPrincipale*>(finestre::trova(nome));
        if (altra && altra != this && altra->isVisible()) {
            Finestra::closeEvent(evento);
            return;
        }
    }
    evento->ignore();
    ModVelmor::esciprogramma();
}
