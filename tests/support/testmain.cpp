#include "support/testmain.h"

#include <QCoreApplication>
#include <QTest>

std::vector<std::pair<const char*, TestClassFactory>>& RegisteredTestClasses()
{
    static std::vector<std::pair<const char*, TestClassFactory>> classes;
    return classes;
}

int RunRegisteredTests(int argc, char** argv)
{
    QByteArray only;
    if (argc > 1 && qstrncmp(argv[1], "-class=", 7) == 0) {
        only = QByteArray(argv[1] + 7);
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    int failures = 0;
    for (const auto& [name, factory] : RegisteredTestClasses()) {
        if (!only.isEmpty() && only != name)
            continue;
        const std::unique_ptr<QObject> tests = factory();
        failures += QTest::qExec(tests.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failures;
}
