#include "frame/servizi_qt.h"

#include "office/superficiestampante.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <csignal>

using namespace vb;

namespace servizi {

int MessaggiQt::mostra(const QString& testo, int stile, const QString& titolo)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titolo);
    box.setText(QString(testo).replace(QChar('\r'), QChar('\n')));
    switch (stile & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    QList<QPair<QAbstractButton*, int>> pulsanti;
    auto aggiungi = [&](const QString& etichetta, QMessageBox::ButtonRole ruolo, int risposta) {
        QPushButton* b = box.addButton(etichetta, ruolo);
        pulsanti.append({b, risposta});
    };
    switch (stile & 0x7) {
    case 1: aggiungi("OK", QMessageBox::AcceptRole, vbOK); aggiungi("Annulla", QMessageBox::RejectRole, 2); break;
    case 3:
        aggiungi("Sì", QMessageBox::YesRole, vbYes);
        aggiungi("No", QMessageBox::NoRole, vbNo);
        aggiungi("Annulla", QMessageBox::RejectRole, 2);
        break;
    case vbYesNo: aggiungi("Sì", QMessageBox::YesRole, vbYes); aggiungi("No", QMessageBox::NoRole, vbNo); break;
    default: aggiungi("OK", QMessageBox::AcceptRole, vbOK); break;
    }
    const int predefinito = (stile & vbDefaultButton2) && pulsanti.size() > 1 ? 1 : 0;
    box.setDefaultButton(static_cast<QPushButton*>(pulsanti[predefinito].first));
    box.setEscapeButton(pulsanti.last().first);
    box.exec();
    for (const auto& [b, risposta] : pulsanti)
        if (box.clickedButton() == b)
            return risposta;
    return pulsanti.last().second;
}

QStringList filtriQt(const QString& filtro)
{
    QStringList qt;
    const QStringList parti = filtro.split('|');
    for (int i = 0; i + 1 < parti.size(); i += 2)
        qt << QStringLiteral("%1 (%2)").arg(parti[i].trimmed(), parti[i + 1].trimmed());
    return qt;
}

std::optional<QString> DialoghiQt::file(const RichiestaFile& richiesta)
{
    QFileDialog dialogo(QApplication::activeWindow(), richiesta.titolo);
    const bool salva = richiesta.tipo == RichiestaFile::Tipo::Salva;
    dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filtri = filtriQt(richiesta.filtro);
    if (!filtri.isEmpty()) {
        dialogo.setNameFilters(filtri);
        dialogo.selectNameFilter(filtri.value(qBound(1, richiesta.indiceFiltro, int(filtri.size())) - 1));
    }
    if (!richiesta.nomeFile.isEmpty()) {
        const QFileInfo info(richiesta.nomeFile);
        if (info.isAbsolute())
            dialogo.setDirectory(info.absolutePath());
        dialogo.selectFile(info.fileName());
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    return dialogo.selectedFiles().constFirst();
}

std::optional<QColor> DialoghiQt::colore(const QColor& iniziale)
{
    const QColor scelto = QColorDialog::getColor(iniziale, QApplication::activeWindow());
    if (!scelto.isValid())
        return std::nullopt;
    return scelto;
}

bool DialoghiQt::stampante(QPrinter& stampante)
{
    QPrintDialog dialogo(&stampante, QApplication::activeWindow());
    return dialogo.exec() == QDialog::Accepted;
}

std::shared_ptr<office::Superficie> StampaQt::superficie(QPrinter& stampante)
{
    return std::make_shared<office::SuperficieStampante>(stampante);
}

std::int32_t ShellQt::apri(const QString& indirizzo)
{
    const QString s = indirizzo.trimmed();
    if (s.isEmpty())
        return 2;
    const bool collegamento = s.contains(QStringLiteral("://")) || s.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
    if (!collegamento && !QFileInfo::exists(s))
        return 2; // the shell's "file not found"
    const QUrl url = collegamento ? QUrl(s) : QUrl::fromLocalFile(s);
    return QDesktopServices::openUrl(url) ? 42 : 31; // 31: no application is associated
}

namespace {

QString fontSonoriGM()
{
    const QStringList candidati = {
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/soundfonts/default.sf2"),
        QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
    };
    for (const QString& c : candidati)
        if (QFileInfo::exists(c))
            return c;
    return {};
}

} // namespace

LettoreMidi::LettoreMidi() = default;

LettoreMidi::~LettoreMidi()
{
    close();
}

void LettoreMidi::open(const QString& nome)
{
    close();
    file = QFileInfo::exists(nome) ? nome : QString();
}

void LettoreMidi::play()
{
    if (processo && inPausa) {
        ::kill(static_cast<pid_t>(processo->processId()), SIGCONT);
        inPausa = false;
        return;
    }
    if (processo || file.isEmpty() || !QCoreApplication::instance())
        return;
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("fluidsynth"));
    const QString suoni = fontSonoriGM();
    if (programma.isEmpty() || suoni.isEmpty())
        return;
    processo = new QProcess;
    processo->setStandardOutputFile(QProcess::nullDevice());
    processo->setStandardErrorFile(QProcess::nullDevice());
    processo->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(processo, &QProcess::finished, processo, [this]() {
        // Finished by itself (end of the tune, or no sound device): forget it.
        processo->deleteLater();
        processo = nullptr;
        inPausa = false;
    });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, processo, [this]() { close(); });
    processo->start(programma, {QStringLiteral("-n"), QStringLiteral("-i"), QStringLiteral("-q"), suoni, file});
}

void LettoreMidi::pause()
{
    if (processo && !inPausa && processo->state() == QProcess::Running) {
        ::kill(static_cast<pid_t>(processo->processId()), SIGSTOP);
        inPausa = true;
    }
}

void LettoreMidi::close()
{
    if (!processo)
        return;
    QProcess* p = processo;
    processo = nullptr;
    p->disconnect();
    if (inPausa)
        ::kill(static_cast<pid_t>(p->processId()), SIGCONT);
    inPausa = false;
    p->kill();
    p->waitForFinished(500);
    delete p;
}

} // namespace servizi
