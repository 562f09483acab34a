// The window's help requests on the offscreen platform: which file is
// served, which topic the viewer opens, and that a missing or unreadable
// help file shows nothing.
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include "helpviewer/chm_help_requests.h"
#include "helpviewer/contents_tree.h"
#include "helpviewer/help_browser.h"
#include "helpviewer/help_viewer_window.h"

namespace tt::help {

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

class HelpRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contextOpensItsTopic_data();
    void contextOpensItsTopic();
    void contentsOpenAtTheDefaultTopicBesideTheTree();
    void aSecondRequestBringsTheSameWindowToTheNewTopic();
    void servesOnlyChmFilesFoundByTheirName_data();
    void servesOnlyChmFilesFoundByTheirName();
    void pagesStyleSheetsAndImagesComeFromTheArchive();
    void linksInsideAreFollowedAndLinksOutsideGoToTheDesktop();
    void theContentsTreeOpensTopicsAndFollowsThePage();
    void programHelpOpensAtTheMainWindowTopic();

private:
    std::filesystem::path folder() const { return folder_.path().toStdString(); }
    void copyFixtureAs(const QString& name, const QString& from = QStringLiteral(TT_FIXTURE_CHM));

    QTemporaryDir folder_;
};

namespace {

QUrl page(const char* path, const char* anchor = nullptr) {
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(QString::fromLatin1(path));
    if (anchor != nullptr) url.setFragment(QString::fromLatin1(anchor));
    return url;
}

bool anyWindowShown() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) return true;
    return false;
}

QTreeWidgetItem* entryNamed(ContentsTree* tree, const QString& name) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == name) return *it;
    return nullptr;
}

}  // namespace

void HelpRequestsTest::copyFixtureAs(const QString& name, const QString& from) {
    QVERIFY(QFile::copy(from, folder_.filePath(name)));
}

void HelpRequestsTest::initTestCase() {
    QVERIFY(folder_.isValid());
    copyFixtureAs(QStringLiteral("GEPA.chm"));
    copyFixtureAs(QStringLiteral("AYUDA.CHM"));
    copyFixtureAs(QStringLiteral("GEPA.txt"));
    QFile garbage(folder_.filePath(QStringLiteral("ROTO.chm")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    QFile whole(QStringLiteral(TT_FIXTURE_CHM));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QFile cut(folder_.filePath(QStringLiteral("CORTADO.chm")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2));
}

void HelpRequestsTest::contextOpensItsTopic_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QUrl>("source");
    QTest::addColumn<QString>("title");
    QTest::newRow("context 3") << 3 << page("/temas/ventana.htm") << "La ventana - Ayuda de prueba";
    QTest::newRow("another id") << 42 << page("/temas/mensajes.htm") << "Mensajes - Ayuda de prueba";
    QTest::newRow("unknown id: default topic")
        << 999 << page("/inicio.htm") << "Inicio de la prueba - Ayuda de prueba";
    QTest::newRow("negative id: default topic")
        << -1 << page("/inicio.htm") << "Inicio de la prueba - Ayuda de prueba";
}

void HelpRequestsTest::contextOpensItsTopic() {
    QFETCH(int, context);
    QFETCH(QUrl, source);
    QFETCH(QString, title);
    ChmHelpRequests requests(folder());
    requests.showContext("GEPA.chm", context);
    HelpViewerWindow* viewer = requests.viewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->browser()->source(), source);
    QCOMPARE(viewer->windowTitle(), title);
}

void HelpRequestsTest::contentsOpenAtTheDefaultTopicBesideTheTree() {
    ChmHelpRequests requests(folder());
    requests.showContents("GEPA.chm");
    HelpViewerWindow* viewer = requests.viewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->browser()->source(), page("/inicio.htm"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Inicio de la prueba - Ayuda de prueba"));
    ContentsTree* tree = viewer->contents();
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Introducci\u00F3n"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Temas"));
    QCOMPARE(ContentsTree::topicOf(tree->topLevelItem(1)), QUrl());
    QCOMPARE(tree->topLevelItem(1)->childCount(), 2);
    QCOMPARE(ContentsTree::topicOf(tree->topLevelItem(1)->child(1)),
             page("/temas/mensajes.htm", "avisos"));
    QVERIFY(tree->topLevelItem(1)->isExpanded());
}

void HelpRequestsTest::aSecondRequestBringsTheSameWindowToTheNewTopic() {
    ChmHelpRequests requests(folder());
    requests.showContents("GEPA.chm");
    HelpViewerWindow* first = requests.viewer();
    QVERIFY(first != nullptr);
    first->showMinimized();
    requests.showContext("GEPA.chm", 3);
    QCOMPARE(requests.viewer(), first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isMinimized());
    QCOMPARE(first->browser()->source(), page("/temas/ventana.htm"));
    first->close();
    requests.showContents("GEPA.chm");
    QCOMPARE(requests.viewer(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->browser()->source(), page("/inicio.htm"));
    QVERIFY(first->browser()->isBackwardAvailable());

    requests.showContext("AYUDA.CHM", 3);
    QCOMPARE(requests.viewer(), first);
    QCOMPARE(first->archive()->file().filename(), std::filesystem::path("AYUDA.CHM"));
    QCOMPARE(first->browser()->source(), page("/temas/ventana.htm"));
    QVERIFY(!first->browser()->isBackwardAvailable());

    requests.showContext("no_existe.chm", 3);
    QCOMPARE(first->archive()->file().filename(), std::filesystem::path("AYUDA.CHM"));
}

void HelpRequestsTest::servesOnlyChmFilesFoundByTheirName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("served");
    QTest::newRow("bare name in the program folder") << "GEPA.chm" << true;
    QTest::newRow("upper-case extension") << "AYUDA.CHM" << true;
    QTest::newRow("full path elsewhere") << QString(TT_FIXTURE_CHM) << true;
    QTest::newRow("missing file") << "OTRA.chm" << false;
    QTest::newRow("not a .chm name, though a help file") << "GEPA.txt" << false;
    QTest::newRow("not an archive") << "ROTO.chm" << false;
    QTest::newRow("truncated archive") << "CORTADO.chm" << false;
    QTest::newRow("folder of the name not found") << "ayuda/GEPA.chm" << false;
    QTest::newRow("empty name") << "" << false;
}

void HelpRequestsTest::servesOnlyChmFilesFoundByTheirName() {
    QFETCH(QString, name);
    QFETCH(bool, served);
    for (const bool contents : {true, false}) {
        ChmHelpRequests requests(folder());
        if (contents) requests.showContents(name.toStdString());
        else requests.showContext(name.toStdString(), 3);
        QCOMPARE(requests.viewer() != nullptr, served);
        QCOMPARE(anyWindowShown(), served);
    }
}

void HelpRequestsTest::pagesStyleSheetsAndImagesComeFromTheArchive() {
    ChmHelpRequests requests(folder());
    requests.showContext("GEPA.chm", 3);
    HelpBrowser* browser = requests.viewer()->browser();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("La ventana")));

    QFile image(QStringLiteral(TT_FIXTURE_SOURCES "/imagenes/punto.png"));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QVariant loaded =
        browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../imagenes/punto.png")));
    QCOMPARE(loaded.toByteArray(), image.readAll());
    const QImage shown = browser->document()
                             ->resource(QTextDocument::ImageResource,
                                        page("/imagenes/punto.png"))
                             .value<QImage>();
    QCOMPARE(shown.size(), QSize(3, 2));

    const QVariant style =
        browser->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("/estilo.css")));
    QCOMPARE(style.toString(), QStringLiteral("h1 { color: #204080; }\n"));
    QVERIFY(!browser->loadResource(QTextDocument::HtmlResource, QUrl(QStringLiteral("nada.htm"))).isValid());
    QVERIFY(!browser->loadResource(QTextDocument::ImageResource,
                                   QUrl::fromLocalFile(QStringLiteral(TT_FIXTURE_SOURCES "/imagenes/punto.png")))
                 .isValid());
}

void HelpRequestsTest::linksInsideAreFollowedAndLinksOutsideGoToTheDesktop() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    ChmHelpRequests requests(folder());
    requests.showContext("GEPA.chm", 3);
    HelpBrowser* browser = requests.viewer()->browser();

    browser->openLink(QUrl(QStringLiteral("mensajes.htm#avisos")));
    QCOMPARE(browser->source(), page("/temas/mensajes.htm", "avisos"));
    browser->openLink(QUrl(QStringLiteral("../inicio.htm")));
    QCOMPARE(browser->source(), page("/inicio.htm"));
    browser->openLink(QUrl(QStringLiteral("temas/no_existe.htm")));
    QCOMPARE(browser->source(), page("/inicio.htm"));
    browser->openLink(QUrl(QStringLiteral("file:///etc/hostname")));
    QCOMPARE(browser->source(), page("/inicio.htm"));
    QCOMPARE(requests.viewer()->windowTitle(), QStringLiteral("Inicio de la prueba - Ayuda de prueba"));

    browser->openLink(QUrl(QStringLiteral("https://example.org/ayuda")));
    QCOMPARE(browser->source(), page("/inicio.htm"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/ayuda"))});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    browser->backward();
    QCOMPARE(browser->source(), page("/temas/mensajes.htm", "avisos"));
}

void HelpRequestsTest::theContentsTreeOpensTopicsAndFollowsThePage() {
    ChmHelpRequests requests(folder());
    requests.showContents("GEPA.chm");
    HelpViewerWindow* viewer = requests.viewer();
    ContentsTree* tree = viewer->contents();
    QCOMPARE(tree->currentItem(), entryNamed(tree, QStringLiteral("Introducci\u00F3n")));

    QTreeWidgetItem* ventana = entryNamed(tree, QStringLiteral("La ventana"));
    QVERIFY(ventana != nullptr);
    tree->setCurrentItem(ventana);
    QCOMPARE(viewer->browser()->source(), page("/temas/ventana.htm"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("La ventana - Ayuda de prueba"));

    tree->setCurrentItem(entryNamed(tree, QStringLiteral("Temas")));
    QCOMPARE(viewer->browser()->source(), page("/temas/ventana.htm"));

    viewer->browser()->openLink(QUrl(QStringLiteral("mensajes.htm")));
    QCOMPARE(tree->currentItem(), entryNamed(tree, QStringLiteral("Avisos")));
    QCOMPARE(viewer->browser()->source(), page("/temas/mensajes.htm"));
}

void HelpRequestsTest::programHelpOpensAtTheMainWindowTopic() {
    const QTemporaryDir program;
    QVERIFY(QFile::copy(QStringLiteral(TT_PROGRAM_HELP_CHM), program.filePath(QStringLiteral("GEPA.chm"))));
    ChmHelpRequests requests(std::filesystem::path(program.path().toStdString()));
    requests.showContext("GEPA.chm", 3);
    HelpViewerWindow* viewer = requests.viewer();
    QVERIFY(viewer != nullptr);
    QCOMPARE(viewer->browser()->source(), page("/ventana.htm"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("La ventana principal - Ayuda de transTalenoGepa"));
    QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("F1 AYUDA")));
    QCOMPARE(viewer->contents()->topLevelItem(0)->text(0), QStringLiteral("Qu\u00E9 hace el programa"));

    // A picture of the viewer for a person to look at, when asked for.
    const QString picture = qEnvironmentVariable("TT_HELP_SCREENSHOT");
    if (!picture.isEmpty()) {
        viewer->contents()->expandAll();
        QVERIFY(viewer->grab().save(picture));
    }
}

}  // namespace tt::help

QTEST_MAIN(tt::help::HelpRequestsTest)
#include "help_requests_test.moc"
