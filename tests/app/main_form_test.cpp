// The window as a whole on the offscreen platform: the launch modes, the
// runs behind both buttons with their messages, the status handed to
// Vestrano on close, the Enter key, help and the folder chooser. The runs
// work on real GEPA files and real dBase tables in a temporary folder.
#include "app/MainForm.h"
#include "tables/dbf_table_store.h"
#include "window_test_services.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

using namespace tt::app;
using namespace tt::app::testing;

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// A GEPA line: `kind` in column 1, then each text at its 1-based column.
QByteArray gepaLine(std::initializer_list<std::pair<int, const char*>> fields, char kind = '1')
{
    QByteArray line(1, kind);
    for (const auto& [column, text] : fields) {
        if (line.size() < column - 1)
            line.append(QByteArray(column - 1 - line.size(), ' '));
        line.append(text);
    }
    return line;
}

const QByteArray kSalir = "&Salir";

// The window over a temporary folder with the GEPA files (gepa/), the
// working tables (vtemp/) and the program folder (programa/).
class FormRig {
public:
    FormRig()
        : programFolder_(root_.filePath(QStringLiteral("programa"))),
          store_(QFile::encodeName(root_.filePath(QStringLiteral("vtemp"))).toStdString())
    {
        for (const char* name : {"gepa", "vtemp", "programa"})
            QDir(root_.path()).mkdir(QLatin1String(name));
        QDir::setCurrent(gepa());
    }

    QString gepa() const { return QDir(root_.path()).canonicalPath() + QStringLiteral("/gepa"); }
    QString iniPath() const { return root_.filePath(QStringLiteral("programa/Vestrano.ini")); }
    QString vtemp() const { return root_.filePath(QStringLiteral("vtemp")); }

    void writeGepa(const char* name, const QList<QByteArray>& lines)
    {
        QFile file(QDir(gepa()).filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const QByteArray& line : lines)
            file.write(line + "\r\n");
    }

    // Every file that the conversion requires, for a school of one of each.
    void writeSchool(const char* leaveOut = "")
    {
        const QList<std::pair<const char*, QList<QByteArray>>> files{
            {"gepa_asignat.txt",
             {gepaLine({{2, "GEPA_ASIGNAT.TXT"}, {52, "41001211"}}, '0'),
              gepaLine({{2, "MAT"}, {6, "MATEMATICAS"}, {26, "MATEM\xC1TICAS"}})}},
            {"gepa_prof.txt", {gepaLine({{2, "P1"}, {6, "ANA"}})}},
            {"gepa_aulas.txt", {gepaLine({{2, "AULA1"}, {12, "A1"}})}},
            {"gepa_grupo.txt", {gepaLine({{2, "1ESOA"}, {12, "1A"}, {16, "ESO"}, {22, "1"}, {25, "A"}})}},
            {"gepa_asignatgrupo.txt", {gepaLine({{2, "1ESOA"}, {16, "MAT"}})}},
            {"gepa_asignatcurso.txt", {gepaLine({{2, "ESO"}, {8, "1"}, {24, "MAT"}, {28, "     4"}})}},
            {"gepa_sesiones.txt",
             {gepaLine({{5, "0001"}, {9, "1"}, {10, "0800"}, {14, "0855"}}),
              gepaLine({{5, "0002"}, {9, "1"}, {10, "0855"}, {14, "0950"}})}},
        };
        for (const auto& [name, lines] : files)
            if (QByteArray(name) != leaveOut)
                writeGepa(name, lines);
    }

    // Vestrano's solution: one entry on day 1, hour 1, and one of day 0
    // that the export skips.
    void writeSoluc()
    {
        using tt::FieldKind;
        std::vector<tt::FieldDef> fields{{"DIA", FieldKind::Integer}};
        for (const char* name : {"HORA", "PROF", "CODGRUPO", "TAREA", "ASIG", "AULA"})
            fields.push_back({name, FieldKind::String, 10});
        store_.createTable("SOLUC", fields);
        auto table = store_.open("SOLUC", tt::Access::ReadWrite, tt::Sharing::Exclusive);
        for (const char* dia : {"1", "0"}) {
            table->append();
            table->setString("DIA", dia);
            table->setString("HORA", "1");
            table->setString("PROF", "P1");
            table->setString("CODGRUPO", "1ESOA");
            table->setString("TAREA", "MAT");
            table->setString("ASIG", "MAT");
            table->setString("AULA", "AULA1");
            table->post();
        }
        table->close();
    }

    QByteArray horario() const
    {
        QFile file(QDir(gepa()).filePath(QStringLiteral("GEPA_HORARIO.TXT")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    TMForm& open(const std::vector<std::string>& parameters)
    {
        form_ = std::make_unique<TMForm>(parameters, FormServices{boxes, help, docking, programFolder_, store_, clock_});
        ends_ = std::make_unique<QSignalSpy>(form_.get(), &TMForm::programEnds);
        form_->show();
        // Keyboard shortcuts (Alt+S, F1) go to the active window only.
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qWarning("the window did not become active");
        return *form_;
    }

    template <typename Part>
    Part* part(const char* name) const
    {
        Part* found = form_->findChild<Part*>(QLatin1String(name));
        if (!found)
            qFatal("no part %s", name);
        return found;
    }
    QPushButton* button(const char* name) const { return part<QPushButton>(name); }
    bool halfShown(const char* panel) const { return part<QWidget>(panel)->isVisibleTo(form_.get()); }
    int programEnds() const { return static_cast<int>(ends_->count()); }

    QByteArray ini() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    RecordingMessageBoxes boxes;
    RecordingHelp help;
    FakeDocking docking;

private:
    QTemporaryDir root_;
    FixedProgramFolder programFolder_;
    tt::DbfTableStore store_;
    FixedClock clock_;
    std::unique_ptr<TMForm> form_;
    std::unique_ptr<QSignalSpy> ends_;
};

const std::vector<std::string> kEmbeddedExportar{"exportar", "1A2B"};
const std::vector<std::string> kEmbeddedImportar{"importar", "1A2B"};

QByteArray statusFile(const char* value) { return QByteArray("[Transformadores]\r\nTransformado=") + value + "\r\n"; }

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startFolder_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startFolder_); }

    void launchModes_data();
    void launchModes();
    void aHandleThatNamesNoWindowStaysEmbedded();
    void closingWritesTheStatusOnlyWhenEmbedded_data();
    void closingWritesTheStatusOnlyWhenEmbedded();
    void aSettingsFileThatCannotBeWrittenAbandonsTheClose();
    void otherSectionsAndCommentsAreKept();
    void foreignWindowGoneEndsTheProgram();

    void conversionStandalone();
    void conversionEmbedded_data();
    void conversionEmbedded();
    void missingFolder_data();
    void missingFolder();
    void aRunEndedByAnErrorLeavesTheWindowUsable();
    void timetableExport();
    void aTimetableExportEndedByAnErrorLeavesTheWindowUsable();

    void theExampleSchoolGoesBothWays();
    void enterClicksTheFirstDefaultButton_data();
    void enterClicksTheFirstDefaultButton();
    void enterOpensTheFolderWhenNoButtonTakesIt();
    void help();
    void folderLabelFollowsTheFolderList();
    void unreadableVolumeLeavesTheFolderList();
    void layout();

private:
    QString startFolder_;
};

void MainFormTest::launchModes_data()
{
    QTest::addColumn<std::vector<std::string>>("parameters");
    QTest::addColumn<qint64>("dockedInto");  // -1: not docked
    QTest::addColumn<bool>("exportarShown");
    QTest::addColumn<bool>("importarShown");
    QTest::addColumn<QString>("errorBox");

    const QString none;
    QTest::newRow("no parameters") << std::vector<std::string>{} << -1LL << true << true << none;
    QTest::newRow("mode word alone") << std::vector<std::string>{"importar"} << -1LL << true << true << none;
    QTest::newRow("three parameters") << std::vector<std::string>{"importar", "1A2B", "x"} << -1LL << true << true
                                      << none;
    QTest::newRow("importar") << kEmbeddedImportar << 0x1A2BLL << false << true << none;
    QTest::newRow("EXPORTAR, small hex letters") << std::vector<std::string>{"EXPORTAR", "1a2b"} << 0x1A2BLL << true
                                                 << false << none;
    QTest::newRow("ImPoRtAr") << std::vector<std::string>{"ImPoRtAr", "1A2B"} << 0x1A2BLL << false << true << none;
    QTest::newRow("leading zeros") << std::vector<std::string>{"importar", "000000001A2B"} << 0x1A2BLL << false
                                   << true << none;
    QTest::newRow("largest handle") << std::vector<std::string>{"importar", "FFFFFFFF"} << 0xFFFFFFFFLL << false
                                    << true << none;
    QTest::newRow("unknown mode word") << std::vector<std::string>{"convertir", "1A2B"} << 0x1A2BLL << true << true
                                       << none;
    const QString tail = QStringLiteral("' no es un valor entero v\u00E1lido.");
    QTest::newRow("0x prefix") << std::vector<std::string>{"importar", "0x1A2B"} << -1LL << true << true
                               << QStringLiteral("error: '$0x1A2B") + tail;
    QTest::newRow("$ prefix") << std::vector<std::string>{"importar", "$1A2B"} << -1LL << true << true
                              << QStringLiteral("error: '$$1A2B") + tail;
    QTest::newRow("beyond 32 bits") << std::vector<std::string>{"importar", "123456789"} << -1LL << true << true
                                    << QStringLiteral("error: '$123456789") + tail;
    QTest::newRow("empty handle") << std::vector<std::string>{"importar", ""} << -1LL << true << true
                                  << QStringLiteral("error: '$") + tail;
    QTest::newRow("blank in the handle") << std::vector<std::string>{"importar", "1A 2B"} << -1LL << true << true
                                         << QStringLiteral("error: '$1A 2B") + tail;
    QTest::newRow("letter beyond F") << std::vector<std::string>{"exportar", "1G"} << -1LL << true << true
                                     << QStringLiteral("error: '$1G") + tail;
}

void MainFormTest::launchModes()
{
    QFETCH(std::vector<std::string>, parameters);
    QFETCH(qint64, dockedInto);
    QFETCH(bool, exportarShown);
    QFETCH(bool, importarShown);
    QFETCH(QString, errorBox);

    FormRig rig;
    TMForm& form = rig.open(parameters);
    const bool embedded = dockedInto >= 0;
    QCOMPARE(rig.boxes.shown, errorBox.isEmpty() ? QStringList() : QStringList{errorBox});
    QCOMPARE(form.numParametros(), embedded ? 2 : 0);
    QCOMPARE(rig.docking.handle.has_value(), embedded);
    if (embedded) {
        QCOMPARE(qint64(*rig.docking.handle), dockedInto);
        QCOMPARE(rig.docking.position, QPoint(2, 2));
    }
    QCOMPARE(form.windowFlags().testFlag(Qt::FramelessWindowHint), embedded);
    QCOMPARE(rig.halfShown("Draw3D2"), exportarShown);
    QCOMPARE(rig.halfShown("Draw3D3"), importarShown);
    // The half left alone fills the top band.
    if (exportarShown != importarShown) {
        const char* shown = exportarShown ? "Draw3D2" : "Draw3D3";
        QCOMPARE(rig.part<QWidget>(shown)->geometry(), QRect(0, 0, 599, 101));
    }
    QCOMPARE(form.estadoProceso(), 0);
}

void MainFormTest::aHandleThatNamesNoWindowStaysEmbedded()
{
    FormRig rig;
    rig.docking.windowExists = false;
    TMForm& form = rig.open(kEmbeddedImportar);
    QCOMPARE(form.numParametros(), 2);
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!rig.halfShown("Draw3D2"));
    QCOMPARE(form.pos(), QPoint(2, 2));
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), statusFile("0"));
}

void MainFormTest::closingWritesTheStatusOnlyWhenEmbedded_data()
{
    QTest::addColumn<std::vector<std::string>>("parameters");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("standalone") << std::vector<std::string>{} << QByteArray("<none>");
    QTest::newRow("bad handle runs standalone") << std::vector<std::string>{"importar", "0x1A2B"}
                                                << QByteArray("<none>");
    QTest::newRow("three parameters") << std::vector<std::string>{"importar", "1A2B", "x"} << QByteArray("<none>");
    QTest::newRow("embedded, closed before any run") << kEmbeddedImportar << statusFile("0");
    QTest::newRow("embedded, unknown mode word") << std::vector<std::string>{"otra", "1A2B"} << statusFile("0");
}

void MainFormTest::closingWritesTheStatusOnlyWhenEmbedded()
{
    QFETCH(std::vector<std::string>, parameters);
    QFETCH(QByteArray, written);
    FormRig rig;
    TMForm& form = rig.open(parameters);
    rig.boxes.shown.clear();
    // "&Salir" by its key, Alt+S.
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(rig.ini(), written);
    QCOMPARE(rig.programEnds(), 1);
    QCOMPARE(rig.boxes.shown, QStringList());
}

void MainFormTest::aSettingsFileThatCannotBeWrittenAbandonsTheClose()
{
    FormRig rig;
    const QByteArray old = statusFile("1");
    {
        QFile file(rig.iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QVERIFY(::chmod(QFile::encodeName(rig.iniPath()).constData(), 0444) == 0);
    TMForm& form = rig.open(kEmbeddedExportar);

    for (int attempt = 0; attempt < 2; ++attempt) {
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
    }
    const QString box = QStringLiteral("error: Unable to write to ") + rig.iniPath() + QLatin1Char('.');
    QCOMPARE(rig.boxes.shown, (QStringList{box, box}));
    QCOMPARE(rig.ini(), old);
    QCOMPARE(rig.programEnds(), 0);

    QVERIFY(::chmod(QFile::encodeName(rig.iniPath()).constData(), 0644) == 0);
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), statusFile("0"));
}

void MainFormTest::otherSectionsAndCommentsAreKept()
{
    FormRig rig;
    const QByteArray before = "; Vestrano\n[General]\r\nRuta=C:\\VTEMP\r\n\r\n[TRANSFORMADORES]\r\n"
                              "Otro=\xF1\r\ntransformado=1\r\n\r\n[Final]\nX=1";
    QByteArray after = before;
    after.replace("transformado=1", "transformado=0");
    {
        QFile file(rig.iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    TMForm& form = rig.open(kEmbeddedImportar);
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), after);
}

void MainFormTest::foreignWindowGoneEndsTheProgram()
{
    FormRig rig;
    TMForm& form = rig.open(kEmbeddedImportar);
    QVERIFY(rig.docking.parentGone);
    rig.docking.parentGone();
    QVERIFY(!form.isVisible());
    QCOMPARE(rig.ini(), statusFile("0"));
    QCOMPARE(rig.programEnds(), 1);
}

void MainFormTest::conversionStandalone()
{
    FormRig rig;
    rig.writeSchool();
    TMForm& form = rig.open({});
    rig.button("BExportar")->click();
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("info: Proceso finalizado")});
    QCOMPARE(form.estadoProceso(), 1);
    QVERIFY(!rig.button("BExportar")->isEnabled());
    QVERIFY(!rig.button("BImportar")->isEnabled());
    QVERIFY(rig.button("BClose")->isEnabled());
    QVERIFY(rig.button("Button1")->isEnabled());
    QVERIFY(form.isVisible());
    for (const char* table : {"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"})
        QVERIFY2(QFile::exists(QDir(rig.vtemp()).filePath(QLatin1String(table) + QStringLiteral(".DBF"))), table);
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), QByteArray("<none>"));
}

void MainFormTest::conversionEmbedded_data()
{
    QTest::addColumn<QByteArray>("leaveOut");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("all files") << QByteArray() << QStringList{QStringLiteral("info: Proceso finalizado")}
                               << statusFile("1");
    QTest::newRow("teachers file missing")
        << QByteArray("gepa_prof.txt")
        << QStringList{QStringLiteral("info: No existe archivo de profesores (GEPA_PROF.TXT) [busy]"),
                       QStringLiteral("info: Proceso finalizado")}
        << statusFile("-1");
}

void MainFormTest::conversionEmbedded()
{
    QFETCH(QByteArray, leaveOut);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, written);
    FormRig rig;
    rig.writeSchool(leaveOut.constData());
    TMForm& form = rig.open(kEmbeddedExportar);
    rig.button("BExportar")->click();
    QCOMPARE(rig.boxes.shown, messages);
    QVERIFY(!form.isVisible());
    QCOMPARE(rig.ini(), written);
    QCOMPARE(rig.programEnds(), 1);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void MainFormTest::missingFolder_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("embedded");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("conversion, standalone") << QByteArray("BExportar") << false << QByteArray("<none>");
    QTest::newRow("conversion, embedded") << QByteArray("BExportar") << true << statusFile("-1");
    QTest::newRow("export, standalone") << QByteArray("BImportar") << false << QByteArray("<none>");
    QTest::newRow("export, embedded") << QByteArray("BImportar") << true << statusFile("0");
}

void MainFormTest::missingFolder()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, embedded);
    QFETCH(QByteArray, written);
    FormRig rig;
    TMForm& form = rig.open(embedded ? std::vector<std::string>{"otra", "1A2B"} : std::vector<std::string>{});
    // The chosen folder goes away after it was chosen.
    QVERIFY(QDir(rig.gepa()).removeRecursively());
    rig.button(button.constData())->click();
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("info: No existe la carpeta")});
    QCOMPARE(form.isVisible(), !embedded);
    QVERIFY(rig.button("BExportar")->isEnabled());
    QVERIFY(rig.button("BImportar")->isEnabled());
    if (!embedded)
        QVERIFY(form.close());
    QCOMPARE(rig.ini(), written);
}

void MainFormTest::aRunEndedByAnErrorLeavesTheWindowUsable()
{
    FormRig rig;
    rig.writeSchool();
    QVERIFY(QDir(rig.vtemp()).removeRecursively());  // the working folder is never created
    TMForm& form = rig.open(kEmbeddedExportar);
    rig.button("BExportar")->click();
    QCOMPARE(rig.boxes.shown.size(), 1);
    const QString box = rig.boxes.shown.first();
    QVERIFY2(box.startsWith(QStringLiteral("error: ")) && box.endsWith(QLatin1Char('.')) && !box.endsWith(".."),
             qPrintable(box));
    QVERIFY(!box.contains(QStringLiteral("[busy]")));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(form.isVisible());
    QVERIFY(rig.button("BExportar")->isEnabled());
    QVERIFY(rig.button("BImportar")->isEnabled());
    // The run ended without success, so Vestrano must not read 1.
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), statusFile("-1"));
}

void MainFormTest::timetableExport()
{
    FormRig rig;
    rig.writeSchool();
    // The conversion builds the working tables in one window, the export
    // runs in a second one, docked, as Vestrano would start it.
    rig.open({});
    rig.button("BExportar")->click();
    rig.writeSoluc();
    rig.boxes.shown.clear();
    TMForm& form = rig.open(kEmbeddedImportar);
    rig.button("BImportar")->click();
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("info: Proceso finalizado")});
    const QByteArray title = "GEPA_HORARIO.TXT" + QByteArray(34, ' ') + "41001211" + "111220240830";
    QCOMPARE(rig.horario(), "0" + title + "\r\n" + "10001" "1" "P1  " "1A  " "    " "MAT " "A1  " "\r\n" + "9" + title + "1\r\n");
    QVERIFY(!form.isVisible());
    QCOMPARE(rig.ini(), statusFile("1"));
}

void MainFormTest::aTimetableExportEndedByAnErrorLeavesTheWindowUsable()
{
    FormRig rig;
    rig.writeSchool();
    TMForm& form = rig.open(kEmbeddedImportar);
    // No working tables at all: the export ends with the table store's error.
    rig.button("BImportar")->click();
    QCOMPARE(rig.boxes.shown.size(), 1);
    QVERIFY(rig.boxes.shown.first().startsWith(QStringLiteral("error: ")));
    QVERIFY(form.isVisible());
    QVERIFY(rig.button("BImportar")->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(rig.horario(), QByteArray("<none>"));
    QVERIFY(form.close());
    QCOMPARE(rig.ini(), statusFile("0"));
}

void MainFormTest::theExampleSchoolGoesBothWays()
{
    const QString examples = qEnvironmentVariable("TT_EXAMPLES_DIR");
    QVERIFY(!examples.isEmpty());
    FormRig rig;
    const QDir school(examples + QStringLiteral("/escuela-ejemplo"));
    const QStringList files = school.entryList(QDir::Files);
    QCOMPARE(files.size(), 8);
    for (const QString& name : files)
        QVERIFY(QFile::copy(school.filePath(name), QDir(rig.gepa()).filePath(name)));

    // Every file is there and well formed: no message but the last.
    TMForm& exportar = rig.open(kEmbeddedExportar);
    rig.button("BExportar")->click();
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("info: Proceso finalizado")});
    QVERIFY(!exportar.isVisible());
    QCOMPARE(rig.ini(), statusFile("1"));

    // Vestrano's solution, written by the example's own generator.
    QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/python3"),
                               {examples + QStringLiteral("/crear_soluc.py"), rig.vtemp()}),
             0);
    rig.boxes.shown.clear();
    rig.open(kEmbeddedImportar);
    rig.button("BImportar")->click();
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("info: Proceso finalizado")});
    const QList<QByteArray> lines = rig.horario().split('\n');
    // Header, 3 groups x 5 days x 6 hours, the guard duty, trailer, and
    // the empty rest after the last line end.
    QCOMPARE(lines.size(), 1 + 90 + 1 + 1 + 1);
    QVERIFY(lines[1].startsWith("100011P03 1A  LEC ING A101"));
    QVERIFY(lines[91].startsWith("100041P06     GUA "));
    QVERIFY(lines[92].endsWith("91\r"));
}

void MainFormTest::enterClicksTheFirstDefaultButton_data()
{
    QTest::addColumn<std::vector<std::string>>("parameters");
    QTest::addColumn<QByteArray>("disabled");
    QTest::addColumn<QByteArray>("focused");
    QTest::addColumn<QByteArray>("clicked");
    const std::vector<std::string> standalone;
    QTest::newRow("folder list, both shown") << standalone << QByteArray() << QByteArray("Directorios")
                                             << QByteArray("BExportar");
    QTest::newRow("drive list, both shown") << standalone << QByteArray() << QByteArray("Unidades")
                                            << QByteArray("BExportar");
    QTest::newRow("BExportar disabled") << standalone << QByteArray("BExportar") << QByteArray("Directorios")
                                        << QByteArray("BImportar");
    QTest::newRow("only BImportar shown") << kEmbeddedImportar << QByteArray() << QByteArray("Directorios")
                                          << QByteArray("BImportar");
    QTest::newRow("a push button clicks itself") << standalone << QByteArray() << QByteArray("Button1")
                                                 << QByteArray("Button1");
}

void MainFormTest::enterClicksTheFirstDefaultButton()
{
    QFETCH(std::vector<std::string>, parameters);
    QFETCH(QByteArray, disabled);
    QFETCH(QByteArray, focused);
    QFETCH(QByteArray, clicked);
    FormRig rig;
    rig.open(parameters);
    QMap<QByteArray, std::shared_ptr<QSignalSpy>> spies;
    for (const char* name : {"BExportar", "BImportar", "Button1"})
        spies[name] = std::make_shared<QSignalSpy>(rig.button(name), &QPushButton::clicked);
    if (!disabled.isEmpty())
        rig.button(disabled.constData())->setEnabled(false);
    const QString folderBefore = QDir::currentPath();
    QTest::keyClick(rig.part<QWidget>(focused.constData()), Qt::Key_Return);
    for (auto spy = spies.cbegin(); spy != spies.cend(); ++spy)
        QCOMPARE(spy.value()->count(), spy.key() == clicked ? 1 : 0);
    // The folder list did not act on the key as well.
    QCOMPARE(QDir::currentPath(), folderBefore);
}

void MainFormTest::enterOpensTheFolderWhenNoButtonTakesIt()
{
    FormRig rig;
    QVERIFY(QDir(rig.gepa()).mkdir(QStringLiteral("curso")));
    rig.open({});
    rig.button("BExportar")->setEnabled(false);
    rig.button("BImportar")->setEnabled(false);
    auto* list = rig.part<QListWidget>("Directorios");
    const QList<QListWidgetItem*> found = list->findItems(QStringLiteral("curso"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
    QTest::keyClick(list, Qt::Key_Enter);
    QCOMPARE(QDir::currentPath(), rig.gepa() + QStringLiteral("/curso"));
    QCOMPARE(rig.part<QLabel>("Label2")->text(), rig.gepa() + QStringLiteral("/curso"));
}

void MainFormTest::help()
{
    FormRig rig;
    rig.open({});
    rig.button("Button1")->click();
    QTest::keyClick(rig.part<QWidget>("Directorios"), Qt::Key_F1);
    QCOMPARE(rig.help.requests,
             (QStringList{QStringLiteral("contents GEPA.chm"), QStringLiteral("context GEPA.chm 3")}));
    QCOMPARE(rig.boxes.shown, QStringList());
}

void MainFormTest::folderLabelFollowsTheFolderList()
{
    FormRig rig;
    // A path far wider than the 287 pixels of the folder list.
    QString deep = rig.gepa();
    for (int level = 0; level < 12; ++level)
        deep += QStringLiteral("/carpeta_de_nivel_%1").arg(level);
    QVERIFY(QDir().mkpath(deep));
    rig.open({});
    auto* label = rig.part<QLabel>("Label2");
    QCOMPARE(label->text(), rig.gepa());
    QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(rig.gepa()));

    // Opening the deepest folder through the list, entry by entry.
    auto* list = rig.part<QListWidget>("Directorios");
    for (int level = 0; level < 12; ++level) {
        const QList<QListWidgetItem*> found =
            list->findItems(QStringLiteral("carpeta_de_nivel_%1").arg(level), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        emit list->itemActivated(found.first());
    }
    QCOMPARE(QDir::currentPath(), deep);
    QVERIFY(label->text().startsWith(QStringLiteral("/.../")));
    QVERIFY(label->text().endsWith(QStringLiteral("/carpeta_de_nivel_11")));
    QVERIFY(label->width() <= 287);
}

void MainFormTest::unreadableVolumeLeavesTheFolderList()
{
    FormRig rig;
    rig.open({});
    auto* drives = rig.part<QComboBox>("Unidades");
    drives->addItem(QStringLiteral("/sin/medio"));
    drives->setCurrentIndex(drives->count() - 1);
    emit drives->activated(drives->count() - 1);
    QCOMPARE(rig.boxes.shown, QStringList{QStringLiteral("error: No se puede leer la unidad /sin/medio.")});
    QCOMPARE(QDir::currentPath(), rig.gepa());
    QCOMPARE(rig.part<QLabel>("Label2")->text(), rig.gepa());
    QVERIFY(drives->currentText() != QStringLiteral("/sin/medio"));

    // A readable volume switches the list to its root.
    const int root = drives->findText(QStringLiteral("/"));
    QVERIFY(root >= 0);
    emit drives->activated(root);
    QCOMPARE(QDir::currentPath(), QStringLiteral("/"));
}

void MainFormTest::layout()
{
    FormRig rig;
    TMForm& form = rig.open({});
    QCOMPARE(form.size(), QSize(599, 270));
    QCOMPARE(form.windowTitle(), QStringLiteral("Exportar e importar datos entre Vestrano y GEPA"));
    QCOMPARE(rig.button("BExportar")->text(), QStringLiteral("Aceptar"));
    QCOMPARE(rig.button("BClose")->text(), QString::fromLatin1(kSalir));
    QVERIFY(!rig.button("BExportar")->icon().isNull());
    QVERIFY(!rig.button("BClose")->icon().isNull());
    // Every one-line label shows its whole text.
    for (const char* name : {"Label1", "Label5", "Label6"}) {
        auto* label = rig.part<QLabel>(name);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(), name);
    }
    // The opaque labels paint the panel's background colour behind their text.
    const QImage label5 = rig.part<QLabel>("Label5")->grab().toImage();
    QCOMPARE(label5.pixelColor(label5.width() - 1, 0), QColor(0xCC, 0xD8, 0xE6));
}

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
