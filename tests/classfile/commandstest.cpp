#include "classfile/keyboardcommands.h"
#include "classfile/savechecks.h"
#include "support/testmain.h"

#include <QTest>

// The checks of the Save button and of Alt+S, and the keyboard commands.
class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveButton_refusesOverspentOrUnnamedClass_data();
    void saveButton_refusesOverspentOrUnnamedClass();
    void altSave_refusesOverspentClassOnly_data();
    void altSave_refusesOverspentClassOnly();
    void keyPress_givesCommand_data();
    void keyPress_givesCommand();
};

namespace {

const QString Overspent =
    QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again.");
const QString OverspentAltS =
    QStringLiteral("Point allocation exceeded. Reduce to equal or below 0 and try again.");
const QString Unnamed = QStringLiteral("A classname must be entered to save a new class");

} // namespace

void CommandsTest::saveButton_refusesOverspentOrUnnamedClass_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("zero points") << "0"
                                 << "Sniper" << QString();
    QTest::newRow("negative points") << "-1"
                                     << "Sniper" << Overspent;
    QTest::newRow("new class") << "5"
                               << "<New Class>" << Unnamed;
    QTest::newRow("points before name") << "-3"
                                        << "<New Class>" << Overspent;
    QTest::newRow("new class with blanks is a name") << "5"
                                                     << " <New Class>" << QString();
    QTest::newRow("empty name") << "5"
                                << "" << QString();
}

void CommandsTest::saveButton_refusesOverspentOrUnnamedClass()
{
    QFETCH(QString, points);
    QFETCH(QString, className);
    QFETCH(QString, refusal);
    QCOMPARE(SaveButtonRefusal(points, className).value_or(QString()), refusal);
}

void CommandsTest::altSave_refusesOverspentClassOnly_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("zero points") << "0" << QString();
    QTest::newRow("negative points") << "-1" << OverspentAltS;
}

void CommandsTest::altSave_refusesOverspentClassOnly()
{
    QFETCH(QString, points);
    QFETCH(QString, refusal);
    QCOMPARE(AltSaveRefusal(points).value_or(QString()), refusal);
}

void CommandsTest::keyPress_givesCommand_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("command");
    const int none = static_cast<int>(KeyCommand::None);
    const int end = static_cast<int>(KeyCommand::EndProgram);
    QTest::newRow("Escape") << 27 << 0 << end;
    QTest::newRow("Shift+Ctrl+Alt+Escape") << 27 << 7 << end;
    QTest::newRow("Alt+Escape") << 27 << 4 << end;
    QTest::newRow("Alt+A") << 65 << 4 << static_cast<int>(KeyCommand::ClearClass);
    QTest::newRow("Alt+S") << 83 << 4 << static_cast<int>(KeyCommand::SaveClass);
    QTest::newRow("Alt+C") << 67 << 4 << end;
    QTest::newRow("Shift+Alt+S") << 83 << 5 << none;
    QTest::newRow("Ctrl+S") << 83 << 2 << none;
    QTest::newRow("Ctrl+Alt+A") << 65 << 6 << none;
    QTest::newRow("A") << 65 << 0 << none;
    QTest::newRow("S") << 83 << 0 << none;
    QTest::newRow("C") << 67 << 0 << none;
    QTest::newRow("Alt+D") << 68 << 4 << none;
}

void CommandsTest::keyPress_givesCommand()
{
    QFETCH(int, key);
    QFETCH(int, shift);
    QFETCH(int, command);
    QCOMPARE(static_cast<int>(KeyCommandFor(key, shift)), command);
}

ROSTERMAKER_REGISTER_TEST(CommandsTest)
#include "commandstest.moc"
