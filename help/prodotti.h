#pragma once
// The price list of the maker's other programs, read from "listino.txt" (the
// current folder first, then the program's data) every time the window loads,
// shown ten rows at a time beside a scroll bar, and typed as a table into a
// new word-processor document. Two buttons open the maker's catalogue and a
// mail to the maker through the shell. Opened from the help index; closing
// hides it, keeping the list and its position.

#include "frame/nomifinestre.h"
#include "help/informativa.h"
#include "help/listino.h"

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

class prodotti : public FinestraInformativa {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::prodotti;
    static constexpr char FILE_LISTINO[] = "listino.txt";
    static constexpr int righe = 10;
    prodotti();

    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
    QLabel* Label10;
    QLabel* Label7;
    QLabel* Label8;
    QScrollBar* VScroll1;
    // Rows 1 to 10 (index 0 unused).
    std::array<QLabel*, righe + 1> num{}, nom{}, argom{}, eur{}, off{};

    // The entries as read by the last load (at most 100), and the first one shown.
    QList<guida::Prodotto> elenco;
    int numeroprodotti() const { return static_cast<int>(elenco.size()); }
    int primoprodotto = 1;

    void VScroll1_Change();
    void cmdstampa_Click() override;
    void Command1_Click();
    void Command2_Click();
    // Hands an address to the system shell; returns the shell's result.
    std::int32_t Link(const QString& URL);

protected:
    void Form_Load() override;

private:
    void leggiFile();
};
