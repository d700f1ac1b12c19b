#pragma once
// What every printed report must hold on each page, for the report tests.

#include "office/superficieregistrata.h"

#include <QStringList>

// Faults of a printed report: a page after the title page without its one foot (at 12 points),
// a text below the foot, a text past the right margin. Empty when there are none.
QStringList difettiPagine(const office::SuperficieRegistrata& s);
