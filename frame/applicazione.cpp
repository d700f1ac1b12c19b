#include "frame/applicazione.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

namespace applicazione {

void prepara()
{
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    QApplication::setOrganizationName(QStringLiteral("Software Zentoria"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The designs were drawn for an 8-point sans-serif font.
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPointSizeF(8);
    QApplication::setFont(carattere);
    if (QIcon::themeName().isEmpty() && QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace applicazione
