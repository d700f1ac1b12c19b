// Pins QLocale's default for one test and puts the previous one back after it.
#pragma once

#include <QLocale>

class LocaleFissato {
public:
    explicit LocaleFissato(const QLocale& locale) : precedente(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleFissato() { QLocale::setDefault(precedente); }
    LocaleFissato(const LocaleFissato&) = delete;
    LocaleFissato& operator=(const LocaleFissato&) = delete;

private:
    QLocale precedente;
};

inline QLocale italiano() { return QLocale(QLocale::Italian, QLocale::Italy); }
inline QLocale localeC() { return QLocale::c(); }
