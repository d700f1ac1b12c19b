// The seismic check window: one buried pipe at a time (up to 50), its 15
// fields, its six working stresses and the verdict. Main window 3 of 7.
#pragma once

#include "frame/finestraprincipale.h"
#include "frame/nomifinestre.h"
#include "seismic/campitubo.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class sismica : public FinestraPrincipale {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::sismica;
    // The widest number the boxes and the stresses are made to show whole.
    static constexpr char valorePiuLargo[] = "-99999.99";
    sismica();

    QLabel* intestazione;  // the heading; a click shows the decree's formulas
    QLabel* ntubo;         // "n." and the number of the pipe shown
    QScrollBar* VScroll1;  // the pipe shown, 1 to 50
    // The 15 input boxes, indexed by field number (campitubo.h); 0 unused.
    std::array<QLineEdit*, 16> datisismici{};
    // The working stresses: compression and tension in the upper vertical,
    // horizontal middle and lower vertical section.
    QLabel* scs;
    QLabel* sts;
    QLabel* scm;
    QLabel* stm;
    QLabel* sci;
    QLabel* sti;
    QLabel* esito;  // "verificato" or "non verificato"
    QPushButton* aiuto;
    QPushButton* controlla;
    QPushButton* cmdesci;

    // Shows pipe VScroll1.Value as the current pipe and checks it again.
    void VScroll1_Change();
    // The check of the pipe data; with ModVelmor::erroredati 1 on entry it
    // answers by setting the flag to 0 instead of with a message.
    void controlla_click();
    // The seismic data file ("Velmor-verifica-").
    void apri_Click();
    void salva_Click();
    void eliminare_click();
    // Empties the pipe data, after asking.
    void cancella_click();
    void aiuto_Click();
    void intestazione_Click();
    void datisismici_Change(int Index);
    void cmdesci_Click();

protected:
    void Form_Load() override;
    void comandoApri() override { apri_Click(); }
    void comandoSalva() override { salva_Click(); }
    void comandoElimina() override { eliminare_click(); }
    void comandoControllo() override { controlla_click(); }
    void comandoCancella() override { cancella_click(); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void piazzaCampo(int numero, int left, int top, int larghezzaCasella);
    void piazzaRisultati();
    void piazzaPulsanti();
    void mostraTubo(int tubo);
    void ricalcola();
    void mostraRisultati(bool verificato);
    void cancellaRisultati();
    // Records how box `numero` reads and colours it when it is not a number.
    void segnaLettura(int numero, tubazioni::Lettura lettura);
    bool casellaErrata() const;
    void suggerimento();

    std::array<QLabel*, 6> sigma() const { return {scs, sts, scm, stm, sci, sti}; }

    bool m_caricamento = false; // the boxes are being filled from the table
    std::array<tubazioni::Lettura, 16> m_letture{}; // how each box read when last typed into
    bool m_verificaMostrata = false;
};
