// The Vestrano.ini writer: one key's value replaced, every other byte
// kept; written whole or not at all.
#include "app/ini_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using tt::app::IniWriteError;
using tt::app::iniWithValue;
using tt::app::writeIniValue;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::string pathOf(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

class IniFileWriterTest : public QObject {
    Q_OBJECT
private slots:
    void contents_data();
    void contents();
    void createsTheFileAndLeavesNoTemporaryFile();
    void keepsThePermissionsOfTheFile();
    void failsWithoutTouchingWhatIsThere_data();
    void failsWithoutTouchingWhatIsThere();
    void readOnlyFolderFails();
};

void IniFileWriterTest::contents_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Transformadores]\r\nTransformado=1\r\n");
    QTest::newRow("value replaced, letter case ignored")
        << QByteArray("[transformadores]\r\nTRANSFORMADO=-1\r\n")
        << QByteArray("[transformadores]\r\nTRANSFORMADO=1\r\n");
    QTest::newRow("blanks around the key")
        << QByteArray("[ Transformadores ]\r\n  Transformado = 0\r\n")
        << QByteArray("[ Transformadores ]\r\n  Transformado =1\r\n");
    QTest::newRow("other sections, comments and line ends kept")
        << QByteArray("; Vestrano\n[General]\r\nRuta=C:\\VTEMP\r\n\r\n[Transformadores]\nOtro=\xE1\xF1\n"
                      "Transformado=0\n; fin\n[Final]\r\nX=1")
        << QByteArray("; Vestrano\n[General]\r\nRuta=C:\\VTEMP\r\n\r\n[Transformadores]\nOtro=\xE1\xF1\n"
                      "Transformado=1\n; fin\n[Final]\r\nX=1");
    QTest::newRow("only the first of two keys")
        << QByteArray("[Transformadores]\r\nTransformado=0\r\nTransformado=0\r\n")
        << QByteArray("[Transformadores]\r\nTransformado=1\r\nTransformado=0\r\n");
    QTest::newRow("key missing: after the section's last line, before blank lines")
        << QByteArray("[Transformadores]\r\nOtro=2\r\n\r\n[B]\r\nC=3\r\n")
        << QByteArray("[Transformadores]\r\nOtro=2\r\nTransformado=1\r\n\r\n[B]\r\nC=3\r\n");
    QTest::newRow("a commented key is no key")
        << QByteArray("[Transformadores]\r\n;Transformado=0\r\n")
        << QByteArray("[Transformadores]\r\n;Transformado=0\r\nTransformado=1\r\n");
    QTest::newRow("the key in another section does not count")
        << QByteArray("[B]\nTransformado=7\n")
        << QByteArray("[B]\nTransformado=7\n[Transformadores]\nTransformado=1\n");
    QTest::newRow("a last line without its end")
        << QByteArray("[Transformadores]") << QByteArray("[Transformadores]\r\nTransformado=1\r\n");
    QTest::newRow("section added after a last line without its end")
        << QByteArray("[A]\nx=1") << QByteArray("[A]\nx=1\n[Transformadores]\nTransformado=1\n");
}

void IniFileWriterTest::contents()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const std::string result = iniWithValue(before.toStdString(), "Transformadores", "Transformado", "1");
    QCOMPARE(QByteArray::fromStdString(result), after);
}

void IniFileWriterTest::createsTheFileAndLeavesNoTemporaryFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Vestrano.ini"));
    writeIniValue(pathOf(path), "Transformadores", "Transformado", "0");
    QCOMPARE(readBytes(path), QByteArray("[Transformadores]\r\nTransformado=0\r\n"));
    writeIniValue(pathOf(path), "Transformadores", "Transformado", "-1");
    QCOMPARE(readBytes(path), QByteArray("[Transformadores]\r\nTransformado=-1\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Vestrano.ini")});
}

void IniFileWriterTest::keepsThePermissionsOfTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Vestrano.ini"));
    writeBytes(path, "[Transformadores]\r\nTransformado=0\r\n");
    QVERIFY(::chmod(pathOf(path).c_str(), 0640) == 0);
    writeIniValue(pathOf(path), "Transformadores", "Transformado", "1");
    struct stat info {};
    QVERIFY(::stat(pathOf(path).c_str(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, 0640u);
}

void IniFileWriterTest::failsWithoutTouchingWhatIsThere_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("read-only file") << QStringLiteral("read-only file");
    QTest::newRow("a folder of that name") << QStringLiteral("folder");
    QTest::newRow("missing folder") << QStringLiteral("missing folder");
}

void IniFileWriterTest::failsWithoutTouchingWhatIsThere()
{
    QFETCH(QString, setup);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Vestrano.ini"));
    const QByteArray old("[Transformadores]\r\nTransformado=1\r\n");
    if (setup == QLatin1String("read-only file")) {
        writeBytes(path, old);
        QVERIFY(::chmod(pathOf(path).c_str(), 0444) == 0);
    } else if (setup == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Vestrano.ini")));
    } else {
        path = folder.filePath(QStringLiteral("no/Vestrano.ini"));
    }
    try {
        writeIniValue(pathOf(path), "Transformadores", "Transformado", "0");
        QFAIL("no error");
    } catch (const IniWriteError& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to ") + path);
    }
    if (setup == QLatin1String("read-only file"))
        QCOMPARE(readBytes(path), old);
    const QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, setup == QLatin1String("missing folder") ? QStringList() : QStringList{QStringLiteral("Vestrano.ini")});
}

void IniFileWriterTest::readOnlyFolderFails()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir folder;
    QVERIFY(::chmod(pathOf(folder.path()).c_str(), 0555) == 0);
    const QString path = folder.filePath(QStringLiteral("Vestrano.ini"));
    QVERIFY_THROWS_EXCEPTION(IniWriteError, writeIniValue(pathOf(path), "Transformadores", "Transformado", "0"));
    ::chmod(pathOf(folder.path()).c_str(), 0755);
}

QTEST_GUILESS_MAIN(IniFileWriterTest)
#include "ini_file_writer_test.moc"
