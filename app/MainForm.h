#pragma once
// The one window of the program: the two directions of conversion, each in
// its half of the top band, and the folder chooser, help and close buttons
// in the bottom band. Standalone, or docked into a Vestrano window, which
// then learns the run's outcome through Vestrano.ini.
#include "app/help_requests.h"
#include "app/launch_mode.h"
#include "app/message_boxes.h"
#include "app/program_folder.h"
#include "app/qt_user_interface.h"
#include "app/window_docking.h"
#include "conversion/run_state.h"
#include "tables/table_store.h"
#include "timetable/timetable_export.h"

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace tt::app {

class DefaultButtons;
class DriveList;
class FolderList;
class GradientPanel;

// What the window needs from outside: where its boxes, help, docking and
// status file go, and the tables and clock of the runs.
struct FormServices {
    MessageBoxes& messages;
    HelpRequests& help;
    WindowDocking& docking;
    const ProgramFolder& programFolder;
    TableStore& store;
    const Clock& clock;
};

class TMForm : public QWidget {
    Q_OBJECT
public:
    // `parameters`: the command line without the program name.
    TMForm(const std::vector<std::string>& parameters, FormServices services);
    ~TMForm() override;

    std::int32_t estadoProceso() const { return state_.estadoProceso; }
    std::int32_t numParametros() const { return NumParametros; }

signals:
    // The window closed after FormClose, or its foreign parent is gone:
    // the program ends now. A docked window is no top-level window for Qt,
    // so its close alone would not end the program.
    void programEnds();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void placeTopBand();
    void FormCreate(const std::vector<std::string>& parameters);
    void FormClose();
    void BCloseClick();
    void Button1Click();
    void BExportarClick();
    void BImportarClick();
    void endRun(RunEnd end);
    void showCurrentFolder(const QString& folder);
    void chooseVolume(const QString& root);
    void showErrorBox(const std::string& cp1252Text);
    template <typename Run>
    void runGuarded(Run run);

    // Components, named as in the window's design.
    GradientPanel* Draw3D2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* BExportar = nullptr;
    GradientPanel* Draw3D3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* BImportar = nullptr;
    GradientPanel* Draw3D1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BClose = nullptr;
    FolderList* Directorios = nullptr;
    DriveList* Unidades = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Button1 = nullptr;

    FormServices services_;
    QtUserInterface ui_;
    RunState state_;
    std::int32_t NumParametros = 0;
    MitadVisible mitad_ = MitadVisible::Ambas;
    DefaultButtons* defaultButtons_ = nullptr;
};

}  // namespace tt::app
