#pragma once
// Helpers of the file tests: a small complete network, temporary files.

#include "supporto/doppi.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
