#include "platform/keys.h"

#include "platform/executable.h"
#include "support/testmain.h"

#include <QTest>

// What the platform reports of the program and the keyboard, as Windows reports it.
class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void virtualKeyCode_data();
    void virtualKeyCode();
    void shiftState();
    void executableBaseName();
};

void KeysTest::virtualKeyCode_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<uint>("scanCode");      // an X11 key code
    QTest::addColumn<uint>("nativeVirtual"); // a Windows virtual key
    QTest::addColumn<int>("expected");
    QTest::newRow("Latin letter") << int(Qt::Key_S) << 39u << 0x53u << int('S');
    QTest::newRow("AZERTY A on the key of Q") << int(Qt::Key_A) << 24u << 0x41u << int('A');
    QTest::newRow("digit") << int(Qt::Key_7) << 16u << 0x37u << int('7');
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 9u << 0x1Bu << 27;
    QTest::newRow("Russian A") << 0x0424 << 38u << 0x41u << int('A');
    QTest::newRow("Russian S") << 0x042B << 39u << 0x53u << int('S');
    QTest::newRow("Greek C") << 0x03A8 << 54u << 0x43u << int('C');
    QTest::newRow("AZERTY comma on the key of M") << int(Qt::Key_Comma) << 58u << 0xBCu << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << 67u << 0x70u << 0;
}

void KeysTest::virtualKeyCode()
{
    QFETCH(int, qtKey);
    QFETCH(uint, scanCode);
    QFETCH(uint, nativeVirtual);
    QFETCH(int, expected);
    QCOMPARE(VirtualKeyCode(qtKey, scanCode, nativeVirtual), expected);
}

void KeysTest::shiftState()
{
    QCOMPARE(ShiftState(Qt::AltModifier), 4);
    QCOMPARE(ShiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier), 3);
}

void KeysTest::executableBaseName()
{
    QCOMPARE(ExecutableBaseName(QStringLiteral("Rostermaker.EXE"), PathStyle::Windows),
             QStringLiteral("Rostermaker"));
    QCOMPARE(ExecutableBaseName(QStringLiteral("Rostermaker-1.2.exe"), PathStyle::Windows),
             QStringLiteral("Rostermaker-1.2"));
    QCOMPARE(ExecutableBaseName(QStringLiteral("rostermaker-1.2"), PathStyle::Posix),
             QStringLiteral("rostermaker-1.2"));
    QCOMPARE(ExecutableBaseName(QStringLiteral("rostermaker.exe"), PathStyle::Posix),
             QStringLiteral("rostermaker.exe"));
}

ROSTERMAKER_REGISTER_TEST(KeysTest)
#include "keystest.moc"
