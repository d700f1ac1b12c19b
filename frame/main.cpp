#include "frame/applicazione.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"

#include <QApplication>

#include <cstdio>

namespace {

// The toolkit's own diagnostics (a missing runtime folder, a platform that
// cannot raise windows...) are for developers, not for the engineer at work:
// only serious ones reach the console.
void messaggiDelToolkit(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(testo));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(messaggiDelToolkit);
    QApplication app(argc, argv);
    applicazione::prepara();
    finestre::mostra(finestre::nomi::frmSplash);
    return app.exec();
}
