#include "classfile/classsave.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// Saves that the system refuses half way: the class file keeps its old content and the failure is
// reported with the file's name. Each save runs in a child process whose rights or limits are cut.
class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readOnlyCharactersFolder_reportsAndKeepsFile();
    void fullDisk_reportsAndKeepsFile();

private:
    enum class Cut { WriteRights, FileSize };
    // True when the save of a class into the folder failed, in a child process under the cut, with a
    // message naming the file.
    bool SaveFailsInChild(Cut cut);

    std::unique_ptr<GameFolder> Dir;
    QString Folder;
};

namespace {

const QByteArray OldContent = "//old class\r\n";

} // namespace

void SaveFaultsTest::init()
{
#ifndef Q_OS_UNIX
    QSKIP("needs fork, setuid and setrlimit");
#endif
    Dir = std::make_unique<GameFolder>();
    Folder = Dir->Path(QStringLiteral("tool/characters"));
    Dir->AddFile(QStringLiteral("tool/characters/Sniper.cfg"), OldContent);
}

bool SaveFaultsTest::SaveFailsInChild(Cut cut)
{
#ifdef Q_OS_UNIX
    AppSettings settings;
    settings.CharacterPath = Folder;
    ClassRecord record;
    record.ClassName = QStringLiteral("Sniper");
    record.Callsign = QString(300, u'x'); // more than the 64 bytes that the full disk holds
    const EquipmentCatalogue catalogue;
    const pid_t child = fork();
    if (child == 0) {
        // Root may write anywhere: the save runs as the unprivileged user instead.
        if (cut == Cut::WriteRights && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        if (cut == Cut::FileSize) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, 64};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const SaveOutcome outcome = SaveClassFile(record, catalogue, settings, NativePathStyle());
        _exit(!outcome.Saved && outcome.Message.value_or(QString()).contains(QStringLiteral("Sniper.cfg"))
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#else
    Q_UNUSED(cut);
    return false;
#endif
}

void SaveFaultsTest::readOnlyCharactersFolder_reportsAndKeepsFile()
{
    // The old file itself may be written by anybody: only the folder refuses the new one.
    const QString file = Folder + QStringLiteral("/Sniper.cfg");
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther));
    const auto readAndList = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                             QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
    for (const QString& folder : {Dir->Path(), Dir->Path(QStringLiteral("tool"))})
        QVERIFY(QFile::setPermissions(folder, readAndList | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(Folder, readAndList));
    QVERIFY(SaveFailsInChild(Cut::WriteRights));
    QFile::setPermissions(Folder, readAndList | QFileDevice::WriteOwner);
    QCOMPARE(ReadTestFile(file), OldContent);
    QCOMPARE(QDir(Folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
}

void SaveFaultsTest::fullDisk_reportsAndKeepsFile()
{
    QVERIFY(SaveFailsInChild(Cut::FileSize));
    QCOMPARE(ReadTestFile(Folder + QStringLiteral("/Sniper.cfg")), OldContent);
    QCOMPARE(QDir(Folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
}

ROSTERMAKER_REGISTER_TEST(SaveFaultsTest)
#include "savefaultstest.moc"
