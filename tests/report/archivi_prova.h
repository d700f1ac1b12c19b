#pragma once
// Helpers of the file tests: a small complete network, temporary files.

#include "supporto/doppi.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// While it lives, the user's studio file holds these lines (none: no file), and the title-page
// window, loaded again, has read them. Load the title page's texts after it.
class StudioDiProva {
public:
    explicit StudioDiProva(const char* contenuto);
    ~StudioDiProva();
    StudioDiProva(const StudioDiProva&) = delete;
    StudioDiProva& operator=(const StudioDiProva&) = delete;
};

class ConArchivi : public ConRipristino {
protected:
    // Three complete "misto" segments in the shared table.
    static void treTratti();
    // A pipe with every field filled, as number j.
    static void unTubo(int j);
    // The seven title-page texts.
    static void frontespizioCompleto();
    QString percorso(const QString& nome) const;
    static QByteArray contenuto(const QString& percorso);
    QTemporaryDir cartella;
};
