// The outside programs some tests run: LibreOffice, to show that a real word processor opens our
// documents, and poppler's pdftotext and pdfinfo, to read PDF files back.
#pragma once

#include <QString>
#include <QStringList>

// Runs a program to its end; its standard output, or a null text when it could not run or failed.
QString esegui(const QString& programma, const QStringList& argomenti, int secondi = 60);

// The pages of a PDF file, by pdfinfo; -1 when it cannot be read.
int paginePdf(const QString& pdf);

// Converts a document to PDF with LibreOffice, with a profile of its own in `cartella`, and puts
// the PDF there; its path, or an empty text with LibreOffice's output in `uscita`.
QString convertiInPdf(const QString& documento, const QString& cartella, QString* uscita = nullptr);
