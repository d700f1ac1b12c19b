#pragma once
// The rainfall window: the depth-duration equations of Italian zones, with a
// duration per zone and the rain it gives.

#include "frame/controlli.h"
#include "frame/finestraprincipale.h"
#include "frame/nomifinestre.h"
#include "rainfall/equazioni.h"

#include <QList>
#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;

class pluviometrici : public FinestraPrincipale {
    Q_OBJECT
public:
    static constexpr const char* NOME = finestre::nomi::pluviometrici;
    static constexpr char FILE_ZONE[] = "pluviometria.txt";
    static constexpr int durataIniziale = 60; // minutes
    pluviometrici();

    // One row per zone of the data file.
    struct Riga {
        controlli::EtichettaElisa* zona;
        controlli::EtichettaElisa* equazione;
        QLabel* durata;
        QScrollBar* scorri;
        QLabel* altezza;
        QLabel* intensita;
    };
    std::vector<Riga> righe;
    QList<pioggia::Zona> zone;
    QPushButton* aiuto;
    QPushButton* guidainlinea;
    QPushButton* cmdesci;

    void durata_Change(int indice);
    // The duration of row `indice` in minutes, as its bar sets it.
    int durata(int indice) const;
    void aiuto_Click();

protected:
    void Form_Load() override;
    QString senzaStampa() const override;

private:
    void creaRighe();
};
