#include "TesteUtil.h"

#include <QTest>

QTEST_MAIN(TesteUtil)
