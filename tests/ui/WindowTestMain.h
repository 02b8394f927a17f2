#pragma once

#include "toolkit/TApplication.h"

#include <QTest>

namespace kazuyomi::uitest {

// The windows need the application object, as in the program: it owns them and reports what
// their handlers throw.
template <class Test>
int runWindowTests(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.Initialize();
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace kazuyomi::uitest
