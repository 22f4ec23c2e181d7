#include "test_util.h"

#include <QTest>

QTEST_MAIN(TesteUtil)
