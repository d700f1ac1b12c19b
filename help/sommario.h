#pragma once
// The help index: fifteen topics, each opening the window that holds it, and
// the whole guide, close and exit at its foot. A topic opens as soon as the
// mouse button goes down on its label; the label under the pointer is bold.

#include "frame/nomifinestre.h"
#include "help/finestraaiuto.h"

#include <array>

class QLabel;
class QPushButton;

class sommario : public FinestraAiuto {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::sommario;
    static constexpr int argomenti = 15;
    static constexpr int larghezza = 3975; // twips

    sommario();
    ~sommario() override;

    QLabel* Label1;
    std::array<QPushButton*, argomenti + 1> puls{}; // 1 to 15
    std::array<QLabel*, argomenti + 1> lbl{};       // 1 to 15
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QPushButton* Command1;

    // Opens topic `indice`; an index outside 1 to 15 opens the quick manual.
    void puls_Click(int indice);
    void lbl_Mousedown(int indice);
    void lbl_MouseUp(int indice);
    void lbl_MouseMove(int indice);
    void form_MouseMove();
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void Command1_Click();

    // The window each topic opens, by index 1 to 15.
    static QString destinazione(int indice);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void azzeraevidenza();
};
