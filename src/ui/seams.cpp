#include "ui/seams.h"

#include <QApplication>
#include <QMessageBox>

void DialogMessageBoxes::Show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void EventLoopProgramEnd::End()
{
    QApplication::exit(0);
}

QString UnexpectedFailureMessage(const char* reason)
{
    return QStringLiteral("The action could not be completed: ") + QString::fromLocal8Bit(reason);
}
