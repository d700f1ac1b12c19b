#pragma once
// The title-page window: the seven fields of the report's title page (kept in
// step with ModVelmor::testifrontespizio, which the data files read and
// write), the studio's name and address, the
// choice of how the report is printed, and the file commands. The report and
// the data sheet take the window's texts and keep their own state (report/contesto.h).

#include "frame/finestraprincipale.h"
#include "frame/nomifinestre.h"

#include <array>

namespace relazione {
struct Testi;
}

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frontespizio : public FinestraPrincipale {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::frontespizio;
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

    // The texts the report and the data sheet print: the title-page record as
    // typed, the studio's name and address.
    relazione::Testi testiRelazione() const;

    // The web pages of Option1, by index 1 to 4.
    static QString indirizzoWeb(int indice);
    // The user's own file with the studio's name (first line) and address
    // (second line), read before the program's data.
    static QString fileStudioUtente();
    // The studio's name and address hold at most this many characters each: what the report's
    // title page and signature can hold.
    static constexpr int lunghezzaStudio = 60;
    struct Studio {
        QString nome;      // empty: no studio set
        QString indirizzo;
        bool tagliato = false; // the file's texts were longer and were cut
    };
    // The studio as the report takes it from the file's two lines.
    static Studio studioLetto(const QString& nome, const QString& indirizzo);

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
    void Form_Unload() override;
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
    // Reads the studio's name and address; a message says when they are cut.
    void leggiStudio();
    static QString titoloStudio();
    Studio m_studio;
    // Shows the title-page texts of the shared data in the boxes.
    void mostraTesti();
    void suggerimento();
    void campo_Change(QLineEdit* casella);
    void salvadati();
};
