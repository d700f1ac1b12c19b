#include "frame/applicazione.h"

#include "frame/servizi.h"
#include "office/consegna.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace vb;

namespace applicazione {

bool caricaTraduzioneQt()
{
    static QTranslator traduzione;
    if (!traduzione.isEmpty())
        return true;
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traduzione.load(QStringLiteral("qtbase_it"), cartella) || !QCoreApplication::installTranslator(&traduzione)) {
        qCritical("Velmor: le traduzioni italiane di Qt (qtbase_it.qm) non sono in %s: le finestre di dialogo "
                  "standard resteranno in inglese. Installare il pacchetto qt6-translations-l10n.",
                  qPrintable(QDir::toNativeSeparators(cartella)));
        return false;
    }
    return true;
}

void prepara()
{
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    QApplication::setOrganizationName(QStringLiteral("Software Zentoria"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The program's icon, built into it, on every window; the desktop entry
    // installed with the program names the same icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icone/velmor.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmor"));
    caricaTraduzioneQt();
    // The designs were drawn for the system's 8-point sans-serif font, narrower
    // than Liberation Sans at 8 points: its narrow cut (the metric twin of Arial
    // Narrow) keeps the designed boxes wide enough for their numbers.
    QFont carattere(QStringLiteral("Liberation Sans Narrow"));
    carattere.setPointSizeF(8);
    QApplication::setFont(carattere);
    // The documents built for the word processor open through the program's
    // shell service, and what their delivery has to say goes through its message boxes.
    office::impostaApriFile([](const QString& percorso) { return servizi::shell().apri(percorso) > 32; });
    office::impostaAvvisaUtente([](const QString& messaggio) { MsgBox(messaggio, vbExclamation); });
    if (QIcon::themeName().isEmpty() && QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace applicazione
