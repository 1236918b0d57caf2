// A refusal as a failing QCOMPARE prints it.
#pragma once
#include "controls/Refusal.h"
#include <QTest>
namespace rules {
inline char *toString(const Check &c) {
    return c ? QTest::toString(QStringLiteral("%1/%2: %3").arg(c->field).arg(c->icon).arg(c->message))
             : qstrdup("none");
}
} // namespace rules
