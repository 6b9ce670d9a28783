#include "classfile/classsave.h"
#include "classfiledata.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// Saves that the system refuses half way: the class file must keep its old content and the failure must
// be reported with the file's name. Each save runs in a child process whose rights or limits are cut.
class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void readOnlyCharactersFolder_reportsAndKeepsFile();
    void fullDisk_reportsAndKeepsFile();

private:
    enum class Cut { WriteRights, FileSize };
    // Runs the save of the sniper class into folder in a child process under the given cut; true when the
    // child saw the save fail with a message naming the file.
    static bool SaveFailsInChild(const QString& folder, Cut cut);
};

namespace {

const QByteArray OldContent = "//old class\r\n";

[[maybe_unused]] AppSettings SettingsFor(const QString& folder)
{
    AppSettings settings;
    settings.CharacterPath = QDir::toNativeSeparators(folder);
    settings.StartingEquipmentName = StartingItem;
    settings.ExplosivesSkillName = QStringLiteral("explosivesskill");
    settings.MedicalSkillName = QStringLiteral("medicskill");
    return settings;
}

} // namespace

bool SaveFaultsTest::SaveFailsInChild(const QString& folder, Cut cut)
{
#ifdef Q_OS_UNIX
    const ClassRecord record = RecordFromDescription(DescriptionLines(QStringLiteral("sniper.class")));
    const AppSettings settings = SettingsFor(folder);
    const EquipmentCatalogue catalogue = TestCatalogue();
    const pid_t child = fork();
    if (child == 0) {
        if (cut == Cut::WriteRights && geteuid() == 0) {
            // Root may write anywhere: save as the unprivileged user instead.
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(3);
        }
        if (cut == Cut::FileSize) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, 64};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const SaveOutcome outcome = SaveClassFile(record, catalogue, settings, NativePathStyle());
        const bool named = outcome.Message && outcome.Message->contains(QStringLiteral("Sniper.cfg"));
        _exit(!outcome.Saved && named ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#else
    Q_UNUSED(folder);
    Q_UNUSED(cut);
    return true;
#endif
}

void SaveFaultsTest::readOnlyCharactersFolder_reportsAndKeepsFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs fork and setuid");
#endif
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("characters"));
    QVERIFY(QDir().mkdir(folder));
    // The old file itself may be written by anybody: only the folder refuses the new one.
    QVERIFY(WriteTestFile(folder + QStringLiteral("/Sniper.cfg"), OldContent));
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("/Sniper.cfg"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther));
    const auto readAndList = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                             QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
    QVERIFY(QFile::setPermissions(dir.path(), readAndList | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, readAndList));
    QVERIFY(SaveFailsInChild(folder, Cut::WriteRights));
    QCOMPARE(ReadTestFile(folder + QStringLiteral("/Sniper.cfg")), OldContent);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
    QFile::setPermissions(folder, readAndList | QFileDevice::WriteOwner);
}

void SaveFaultsTest::fullDisk_reportsAndKeepsFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs fork and setrlimit");
#endif
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("Sniper.cfg")), OldContent));
    QVERIFY(SaveFailsInChild(dir.path(), Cut::FileSize));
    QCOMPARE(ReadTestFile(dir.filePath(QStringLiteral("Sniper.cfg"))), OldContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
}

ROSTERMAKER_REGISTER_TEST(SaveFaultsTest)
#include "savefaultstest.moc"
