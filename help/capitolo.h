#pragma once
// The three chapters of the ministerial circular on sewer design (definitions,
// outline design, detailed design): main windows 4 to 6, read-only, with the
// shared toolbar but no menu bar. They differ only in the data of one table
// (capitolo.cpp): captions, text file, own-window question, pressed button.
//
// Opening another main window from the toolbar unloads the chapter first, so
// a chapter opened again starts afresh, scrolled to its first line; the
// "Dati" button and the help commands leave it loaded.

#include "frame/finestraprincipale.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

class Capitolo : public FinestraPrincipale {
    Q_OBJECT
public:
    // "Circolare Ministero LL.PP. - ... - 7 gennaio 1974, n.11633": the frame's caption without the chapter.
    static const QString citazione;

    QGroupBox* Frame3;
    QPlainTextEdit* Text1;
    QPushButton* aiuto;
    QPushButton* guidainlinea;
    QPushButton* cmddati;
    QPushButton* esco;

    // The chapter's text file under the data folder, for chapter window 4 to 6.
    static QString fileTesto(int numero);

    void Toolbar1_ButtonClick(int indice) override;
    void aiuto_Click();
    void guidainlinea_Click();
    void cmddati_Click();
    void esco_Click();
    // The chapter into a new word-processor document; the window stays.
    void stampaword();

protected:
    Capitolo(const char* nome, int numero);
    void Form_Load() override;

private:
    // Unloads this window, then shows main window k.
    void mostrafinestra(int k);
    // The own-window question: on Yes the chapters' help page.
    void guidafinestra();
};
