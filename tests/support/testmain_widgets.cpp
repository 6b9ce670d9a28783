#include "support/testmain.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c()); // weight texts with "." unless a test says otherwise
    return RunRegisteredTests(argc, argv);
}
