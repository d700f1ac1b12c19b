// What every document test needs: a documents folder of its own, and the open and tell-user
// hooks replaced by recorders, so that no test opens a window or a word processor.
#pragma once

#include "office/applicazione.h"
#include "office/consegna.h"
#include "supporto/doppi.h"
#include "supporto/lettoredocx.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class AmbienteDocumento : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        office::impostaCartellaDocumenti(cartella.filePath(QStringLiteral("Documenti/Velmor")));
        office::impostaApriFile([this](const QString& percorso) {
            aperti << percorso;
            return aperturaRiesce;
        });
        office::impostaAvvisaUtente([this](const QString& messaggio) { messaggi << messaggio; });
    }

    void TearDown() override
    {
        // nothing left over for the next test
        office::consegnaInSospeso();
        consegnaDiProva();
    }

    QString cartellaDocumenti() const { return cartella.filePath(QStringLiteral("Documenti/Velmor")); }
    QStringList fileConsegnati() const
    {
        return QDir(cartellaDocumenti()).entryList(QDir::Files, QDir::Name);
    }

    // Saves the document in the temporary folder and reads it back.
    lettura::Documento salvaELeggi(office::Document& documento, const QString& nome = QStringLiteral("prova.docx"))
    {
        const QString percorso = cartella.filePath(nome);
        EXPECT_TRUE(documento.SaveAs(percorso));
        lettura::Documento letto = lettura::leggiFile(percorso);
        EXPECT_TRUE(letto.valido) << qPrintable(letto.errore);
        return letto;
    }

    QTemporaryDir cartella;
    QStringList aperti;
    QStringList messaggi;
    bool aperturaRiesce = true;
};
