// The main window's "F1 AYUDA" button and F1 key reach the help viewer,
// which opens the program's own help file from the program's folder.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/MainForm.h"
#include "helpviewer/chm_help_requests.h"
#include "helpviewer/help_browser.h"
#include "helpviewer/help_viewer_window.h"
#include "tables/dbf_table_store.h"
#include "tests/app/window_test_services.h"

namespace tt::help {

using app::FormServices;
using app::TMForm;

class WindowHelpTest : public QObject {
    Q_OBJECT

private slots:
    void helpButtonOpensTheContentsAndF1TheMainWindowTopic();
    void withoutTheHelpFileNeitherShowsAnything();
};

namespace {

QUrl page(const char* path) {
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(QString::fromLatin1(path));
    return url;
}

// The window with the real help viewer, its program folder in a fresh
// temporary folder that holds GEPA.chm when asked.
class WindowWithHelp {
public:
    explicit WindowWithHelp(bool withHelpFile)
        : programFolder_(root_.filePath(QStringLiteral("programa"))),
          store_(QFile::encodeName(root_.filePath(QStringLiteral("vtemp"))).toStdString()),
          help_(std::filesystem::path(programFolder_.path().toStdString())) {
        QDir(root_.path()).mkdir(QStringLiteral("programa"));
        QDir(root_.path()).mkdir(QStringLiteral("vtemp"));
        if (withHelpFile)
            QFile::copy(QStringLiteral(TT_PROGRAM_HELP_CHM),
                        QDir(programFolder_.path()).filePath(QStringLiteral("GEPA.chm")));
        form_ = std::make_unique<TMForm>(
            std::vector<std::string>{},
            FormServices{boxes_, help_, docking_, programFolder_, store_, clock_});
        form_->show();
        // F1 is a shortcut of the window, which only the active window gets.
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get())) qWarning("the window did not become active");
    }

    TMForm& form() { return *form_; }
    ChmHelpRequests& help() { return help_; }
    const QStringList& boxes() const { return boxes_.shown; }

    QPushButton* helpButton() const {
        for (QPushButton* button : form_->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("F1 AYUDA")) return button;
        qFatal("no F1 AYUDA button");
    }

private:
    QTemporaryDir root_;
    app::testing::FixedProgramFolder programFolder_;
    DbfTableStore store_;
    app::testing::RecordingMessageBoxes boxes_;
    app::testing::FakeDocking docking_;
    app::testing::FixedClock clock_;
    ChmHelpRequests help_;
    std::unique_ptr<TMForm> form_;
};

}  // namespace

void WindowHelpTest::helpButtonOpensTheContentsAndF1TheMainWindowTopic() {
    WindowWithHelp window(true);
    window.helpButton()->click();
    HelpViewerWindow* viewer = window.help().viewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->browser()->source(), page("/index.htm"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Qu\u00E9 hace el programa - Ayuda de transTalenoGepa"));

    window.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.form()));
    QTest::keyClick(window.helpButton(), Qt::Key_F1);
    QCOMPARE(window.help().viewer(), viewer);
    QCOMPARE(viewer->browser()->source(), page("/ventana.htm"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("La ventana principal - Ayuda de transTalenoGepa"));
    QCOMPARE(window.boxes(), QStringList());
}

void WindowHelpTest::withoutTheHelpFileNeitherShowsAnything() {
    WindowWithHelp window(false);
    window.helpButton()->click();
    QTest::keyClick(&window.form(), Qt::Key_F1);
    QCOMPARE(window.help().viewer(), nullptr);
    QCOMPARE(window.boxes(), QStringList());
    const QWidgetList shown = QApplication::topLevelWidgets();
    for (const QWidget* widget : shown)
        QVERIFY2(!widget->isVisible() || widget == &window.form(), qPrintable(widget->objectName()));
}

}  // namespace tt::help

QTEST_MAIN(tt::help::WindowHelpTest)
#include "window_help_test.moc"
