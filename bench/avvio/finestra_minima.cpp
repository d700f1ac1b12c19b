// The bench's bare Qt window, the yardstick of the program's start-up: an application object and
// one window of the splash's size with one label, shown at once.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel finestra(QStringLiteral("finestra di confronto"));
    finestra.setAlignment(Qt::AlignCenter);
    finestra.resize(480, 288); // the splash's 7200 x 4320 twips at 96 dpi
    finestra.show();
    return app.exec();
}
