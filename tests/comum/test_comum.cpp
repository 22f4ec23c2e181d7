#include "test_comum.h"

#include <QLocale>
#include <QTest>

void TesteComum::initTestCase()
{
    // The boxes must not depend on the machine's regional settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QTEST_MAIN(TesteComum)
