#pragma once
// The network data window: a grid of ten segments over the 500 of the
// network, sized as they are typed.

#include "frame/ModVelmor.h"
#include "frame/controlli.h"
#include "frame/finestraprincipale.h"
#include "frame/nomifinestre.h"
#include "network/tratti.h"

#include <QList>
#include <QPair>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class dati : public FinestraPrincipale {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::dati;
    static constexpr int righe = 10;
    // The bar's highest value: the first of the last ten segments.
    static constexpr int primoInBasso = ModVelmor::massimotratti - righe + 1;
    dati();

    // The rows' controls, indexed 1 to 10 (0 unused).
    template <class T>
    using Riga = std::array<T*, righe + 1>;
    Riga<QLabel> numero;
    Riga<QLineEdit> lungh, disl, portc, abit, dotaz, superf, piog, riemp;
    Riga<QComboBox> tiposup, pend;
    Riga<controlli::EtichettaElisa> portpiog, portnera, porttot, diam, vel;

    std::array<QRadioButton*, 4> tiporete{}; // 1 "bianche", 2 "nere", 3 "misto"
    QScrollBar* VScroll1;
    QLabel* Labelinfo;
    QPushButton* aiuto;
    QPushButton* guidainlinea;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* cmdesci;

    // Shows the ten segments from VScroll1's value and sizes them again.
    void VScroll1_Change();
    // While one is alive, moving the bar sizes and checks the segments as always, but the rows'
    // boxes are filled (and their texts measured) only for the page left when the last one
    // ends, or for the page a message stands over: for a caller that steps through pages
    // nobody sees.
    class Passata {
    public:
        explicit Passata(dati& finestra);
        ~Passata();
        Passata(const Passata&) = delete;
        Passata& operator=(const Passata&) = delete;

    private:
        dati& m_finestra;
    };
    // The check of the network data.
    void controlla_click();
    void cancella_click();
    void aiuto_Click();
    void tiporete_Click(int indice);
    // The file commands, shared with the title-page window.
    void apri_Click();
    void apritutto_Click();
    void salva_Click();
    void salvanome_Click();
    void salvatutto_Click();
    void eliminare_click();

    // The value boxes and results of row r, each with the widest value it is
    // made to show whole.
    QList<QPair<QWidget*, QString>> valoriPiuLarghi(int r) const;

    // A change of a field in row r (1 to 10).
    void campo_Change(tratti::Campo campo, int riga);

protected:
    void Form_Load() override;
    void comandoApri() override { apri_Click(); }
    void comandoSalva() override { salva_Click(); }
    void comandoElimina() override { eliminare_click(); }
    void comandoControllo() override { controlla_click(); }
    void comandoCancella() override { cancella_click(); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    // Shows the segments from `primo` (the bar set without running its Change), then refreshes once.
    void mostraDa(int primo);
    // After a data file was read: the caption, and the segments from the first.
    void mostraDaCapo();
    void ruota(QWheelEvent* evento);
    // The window's message for a segment that cannot be sized.
    void avvisa(tratti::Esito esito, int t);
    void creaRiga(int r, int top);
    void mostraRiga(int r);
    tratti::Esito dimensionaRiga(int r);
    void mostraRisultati(int r);
    void mostraRigheRimaste();
    void suggerimento();
    void mostraInfo(int r);
    void abilitaCampi();
    QLineEdit* casella(tratti::Campo campo, int r) const;

    bool m_mostrando = false; // rows being filled from the table: their change handlers stay quiet
    int m_rotella = 0;      // the wheel's turn not yet made into whole notches
    int m_passate = 0;      // Passata objects alive
    bool m_righeDaMostrare = false;       // rows sized during a Passata and not yet shown
    std::array<tratti::Esito, righe + 1> m_esiti{}; // each row's last sizing
    const QString m_titolo = QStringLiteral("Velmor: dati per il progetto di condotte fognarie");
};
