#pragma once
// The title-page window: the seven fields of the report's title page (they
// are the only store of that record), the studio's name and address, the
// choice of how the report is printed, and the file commands.

#include "frame/finestraprincipale.h"

#include <array>
#include <functional>
#include <memory>

namespace office {
class Application;
class Document;
class Paragraph;
class Stampante;
class Table;
} // namespace office

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frontespizio : public FinestraPrincipale {
    Q_OBJECT
public:
    static constexpr char NOME[] = "frontespizio";
    frontespizio();

    // The title-page record, in record order.
    QLineEdit* progetto;
    QLineEdit* località;
    QLineEdit* tipostudio;
    QLineEdit* committente;
    QLineEdit* luogo;
    QLineEdit* data;
    QLineEdit* allegati;
    std::array<QLineEdit*, 7> campi() const { return {progetto, località, tipostudio, committente, luogo, data, allegati}; }

    QLabel* Label1;
    QLabel *Label2, *Label3, *Label4, *Label6, *Label10, *Label7, *Label9, *Label8, *Label5;
    QLabel* Labelstudio;
    QLabel* labelindirizzo;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    std::array<QRadioButton*, 5> Option1{};    // 1 to 4
    std::array<QRadioButton*, 3> comestampo{}; // 1 printer, 2 word processor
    QPushButton* aiuto;
    QPushButton* guidainlinea;
    QPushButton* Command5;
    QPushButton* stampa;
    QPushButton* cmdesci;

    // The report's state, kept by the window between reports.
    int dimensionecorpo = 0;  // the body text size, 12
    QString caratterecorpo;   // the printer's body font
    // The word processor of the last report or data sheet, its document, the
    // paragraph being written at the end of the document and the table added last.
    std::shared_ptr<office::Application> appword;
    std::shared_ptr<office::Document> documento;
    std::shared_ptr<office::Paragraph> paragrafo;
    std::shared_ptr<office::Table> tabella;
    // Network tables beyond the first, left by the network section for the end pass.
    int altretabellerete = 0;
    // The printer page of the network table's first rows.
    int primapaginarete = 0;
    // The printer while a report prints on it, nullptr otherwise.
    office::Stampante* Printer = nullptr;
    // While a table prints: how a page that fills by itself ends (the foot, a new
    // page, the table's heading again); otherwise such a page gets the foot alone.
    std::function<void()> continuaTabella;

    // The printer's page foot: "pagina" and the page number at the page's foot,
    // then a new page whose text starts at y 1000.
    void fondopagina();
    // The page breaks of the network table and of the seismic stress table,
    // between their rows: the foot, a new page and the table's heading again
    // when the rows counted on the page say so.
    void intestazionerete();
    void intestazionesismica();

    // The web pages of Option1, by index 1 to 4.
    static QString indirizzoWeb(int indice);

    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void salvatutto_Click();
    void eliminare_click();
    void stampa_Click();
    void stampatutto_Click();
    void solodati_Click();
    void controllodat_Click();
    void cancella_click();
    void aiuto_Click();
    void Labelstudio_Click();
    void labelindirizzo_Click();
    void Option1_Click(int indice);
    void Command5_Click();
    void cmdesci_Click();

protected:
    void Form_Load() override;
    // The boxes are the only store of the title page: the close button hides the window,
    // which stays loaded until the program's exit.
    bool chiusuraNasconde() const override { return true; }
    void comandoApri() override { apri_Click(); }
    void comandoSalva() override { salva_Click(); }
    void comandoElimina() override { eliminare_click(); }
    void comandoStampa() override { stampa_Click(); }
    void comandoControllo() override { controllodat_Click(); }
    void comandoCancella() override { cancella_click(); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void avvisolunghezza();
    void suggerimento();
    void campo_Change(QLineEdit* casella);
    void salvadati();
};
