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
    // Where the test's output cannot reach a console (Windows programs under Wine), each class writes its
    // log into a file of its own in this folder.
    const QString logFolder = qEnvironmentVariable("ROSTERMAKER_TEST_LOG_FOLDER");
    int failures = 0;
    for (const auto& [name, factory] : RegisteredTestClasses()) {
        if (!only.isEmpty() && only != name)
            continue;
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        if (!logFolder.isEmpty())
            arguments << QStringLiteral("-o")
                      << logFolder + u'/' + QLatin1String(name) + QStringLiteral(".txt,txt");
        const std::unique_ptr<QObject> tests = factory();
        failures += QTest::qExec(tests.get(), arguments) != 0 ? 1 : 0;
    }
    return failures;
}
