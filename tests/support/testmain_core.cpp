#include "support/testmain.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return RunRegisteredTests(argc, argv);
}
