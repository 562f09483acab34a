// The window's parts on their own: the folder list, the shortened path of
// its label, the gradient panels and the real message boxes.
#include "app/application_title.h"
#include "app/folder_list.h"
#include "app/gradient_panel.h"
#include "app/message_boxes.h"
#include "app/path_elision.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tt::app;

namespace {

// Six pixels a character: lengths stand for widths.
int sixPerCharacter(const QString& text) { return 6 * static_cast<int>(text.size()); }

QStringList entryNames(const FolderList& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

// The colour distance, channel by channel.
int colourDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

}  // namespace

class WindowPartsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startFolder_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startFolder_); }

    void pathElision_data();
    void pathElision();
    void folderListShowsThePathThenTheSubfolders();
    void openingAnEntryChangesTheWorkingDirectory();
    void anEntryThatIsGoneIsNotOpened();
    void gradientRunsFromEndToMiddleToStart();
    void messageBoxesHaveTheTitleAndOneAceptarButton_data();
    void messageBoxesHaveTheTitleAndOneAceptarButton();

private:
    QString startFolder_;
};

void WindowPartsTest::pathElision_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "/home/ana" << 54 << "/home/ana";
    QTest::newRow("first folder gives way") << "/home/ana/gepa/2024" << 90 << "/.../gepa/2024";
    QTest::newRow("all but the last") << "/home/ana/gepa/2024" << 60 << "/.../2024";
    QTest::newRow("the last never goes") << "/home/ana/gepa/2024" << 12 << "/.../2024";
    QTest::newRow("relative path") << "abc/def/ghi" << 48 << ".../ghi";
}

void WindowPartsTest::pathElision()
{
    QFETCH(QString, path);
    QFETCH(int, maxWidth);
    QFETCH(QString, shown);
    QCOMPARE(elideLeadingFolders(path, maxWidth, sixPerCharacter), shown);
}

void WindowPartsTest::folderListShowsThePathThenTheSubfolders()
{
    QTemporaryDir root;
    for (const char* name : {"b", "A", "c", ".oculta"})
        QVERIFY(QDir(root.path()).mkdir(QLatin1String(name)));
    QVERIFY(QFile(root.filePath(QStringLiteral("fichero.txt"))).open(QIODevice::WriteOnly));
    const QString folder = QDir(root.path()).canonicalPath();
    QVERIFY(QDir::setCurrent(folder));

    FolderList list(nullptr);
    QCOMPARE(list.currentFolder(), folder);
    QStringList expected{QStringLiteral("/")};
    expected << folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    expected << QStringLiteral("A") << QStringLiteral("b") << QStringLiteral("c");
    QCOMPARE(entryNames(list), expected);
    QCOMPARE(list.currentItem(), list.itemForFolder(folder));
}

void WindowPartsTest::openingAnEntryChangesTheWorkingDirectory()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("uno/dos")));
    const QString folder = QDir(root.path()).canonicalPath();
    QVERIFY(QDir::setCurrent(folder));
    FolderList list(nullptr);
    list.resize(287, 106);
    list.show();
    QSignalSpy changed(&list, &FolderList::currentFolderChanged);

    // Enter on the highlighted entry opens it.
    list.setCurrentItem(list.itemForFolder(folder + QStringLiteral("/uno")));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(list.currentFolder(), folder + QStringLiteral("/uno"));
    QCOMPARE(QDir::currentPath(), folder + QStringLiteral("/uno"));
    QCOMPARE(entryNames(list).last(), QStringLiteral("dos"));

    // A double click opens a folder up the path too.
    QListWidgetItem* up = list.itemForFolder(folder);
    QVERIFY(up);
    // Its first click comes as a press and a release, its second as a
    // double click.
    const QPoint at = list.visualItemRect(up).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(QDir::currentPath(), folder + QStringLiteral("/uno"));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(QDir::currentPath(), folder);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), folder);
}

void WindowPartsTest::anEntryThatIsGoneIsNotOpened()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("se_va")));
    const QString folder = QDir(root.path()).canonicalPath();
    QVERIFY(QDir::setCurrent(folder));
    FolderList list(nullptr);
    QVERIFY(QDir(folder).rmdir(QStringLiteral("se_va")));
    QSignalSpy unreadable(&list, &FolderList::folderUnreadable);

    emit list.itemActivated(list.itemForFolder(folder + QStringLiteral("/se_va")));
    QCOMPARE(unreadable.count(), 1);
    QCOMPARE(list.currentFolder(), folder);
    QCOMPARE(QDir::currentPath(), folder);
}

void WindowPartsTest::gradientRunsFromEndToMiddleToStart()
{
    const GradientColours colours{QColor(0xF9, 0xD3, 0x7D), QColor(Qt::white), QColor(0xFF, 0xEE, 0xDD),
                                  QColor(Qt::green)};
    GradientPanel panel(colours, nullptr);
    panel.resize(20, 101);
    const QImage image = panel.grab().toImage();
    QVERIFY(colourDistance(image.pixelColor(10, 0), colours.end) <= 6);
    QVERIFY(colourDistance(image.pixelColor(10, 50), colours.middle) <= 6);
    QVERIFY(colourDistance(image.pixelColor(10, 100), colours.start) <= 6);
    // The background never shows through.
    for (int y = 0; y < 101; ++y)
        QVERIFY(colourDistance(image.pixelColor(0, y), colours.background) > 100);
}

void WindowPartsTest::messageBoxesHaveTheTitleAndOneAceptarButton_data()
{
    QTest::addColumn<bool>("error");
    QTest::newRow("information") << false;
    QTest::newRow("error") << true;
}

void WindowPartsTest::messageBoxesHaveTheTitleAndOneAceptarButton()
{
    QFETCH(bool, error);
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = true;
    // Looks at the box from inside its modal loop, then presses its button.
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        modality = box->windowModality();
        hasParent = box->parentWidget() != nullptr;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->buttons().first()->click();
    });
    QtMessageBoxes boxes;
    const QString message = QStringLiteral("No existe la carpeta");
    if (error)
        boxes.showError(message);
    else
        boxes.showInformation(message);
    QCOMPARE(title, applicationTitle());
    QCOMPARE(text, message);
    QCOMPARE(buttons, QStringList{QStringLiteral("Aceptar")});
    QCOMPARE(icon, error ? QMessageBox::Critical : QMessageBox::NoIcon);
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY(!hasParent);
}

QTEST_MAIN(WindowPartsTest)
#include "window_parts_test.moc"
