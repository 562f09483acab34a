// TransTalenoGEPA: the program with its one window, MForm.
#include "app/MainForm.h"
#include "app/message_boxes.h"
#include "app/program_folder.h"
#include "app/window_docking.h"
#include "helpviewer/chm_help_requests.h"
#include "tables/dbf_table_store.h"
#include "tables/working_folder.h"
#include "text/cp1252.h"

#include <QApplication>
#include <filesystem>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The command line without the program name, as Windows-1252 bytes.
std::vector<std::string> parametersOf(const QStringList& arguments)
{
    std::vector<std::string> parameters;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        parameters.push_back(tt::utf8ToCp1252(arguments[i].toStdString()));
    return parameters;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("transTalenoGepa"));

    // Qt's own dialogs and buttons in Spanish, like the rest of the program.
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtSpanish);

    tt::app::QtMessageBoxes messages;
    // Declared before the window: the window may be docked into the
    // foreign window that this object keeps.
    const std::unique_ptr<tt::app::WindowDocking> docking = tt::app::makePlatformDocking();
    const tt::app::ExecutableFolder programFolder;
    // GEPA.chm is looked for beside the program.
    tt::help::ChmHelpRequests help(std::filesystem::path(programFolder.path().toStdString()));
    tt::DbfTableStore store(tt::defaultWorkingFolder());
    const tt::SystemClock clock;

    tt::app::TMForm MForm(parametersOf(QCoreApplication::arguments()),
                          {messages, help, *docking, programFolder, store, clock});
    QObject::connect(&MForm, &tt::app::TMForm::programEnds, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    MForm.show();
    return QApplication::exec();
}
