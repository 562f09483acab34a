#include "app/MainForm.h"

#include "app/button_glyphs.h"
#include "app/default_buttons.h"
#include "app/drive_list.h"
#include "app/folder_list.h"
#include "app/gradient_panel.h"
#include "app/ini_file_writer.h"
#include "app/path_elision.h"
#include "conversion/conversion_run.h"
#include "text/cp1252.h"
#include "text/error.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace tt::app {

namespace {

constexpr int kClientWidth = 599;
constexpr int kClientHeight = 270;
constexpr int kTopBandHeight = 101;
constexpr int kLeftHalfWidth = 289;
constexpr int kFolderListWidth = 287;
constexpr int kHelpContext = 3;
const char* const kHelpFile = "GEPA.chm";

// The colours of the design are stored with red in the low byte.
QColor fromBgr(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

const GradientColours kTopHalfColours{fromBgr(8246265), QColor(Qt::white), fromBgr(14544639), QColor(0x00, 0xFF, 0x00)};
const GradientColours kBottomBandColours{fromBgr(16698818), fromBgr(16708303), fromBgr(15128780), fromBgr(15128780)};
const QColor kListBackground = fromBgr(16776176);

// The named font where the system has it, else the nearest one there is,
// always at the same pixel height.
QFont fontOf(const QStringList& families, int pixelHeight, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont sansSerif(bool bold)
{
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")},
                  11, bold);
}

QFont arialBold()
{
    return fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("Helvetica")},
                  16, true);
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* panel, const char* name, const QString& text, QRect box, const QFont& font,
                  const QColor& colour)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(box);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(label, QPalette::WindowText, colour);
    return label;
}

QPushButton* makeButton(QWidget* panel, const char* name, const QString& text, QRect box, const QIcon& glyph)
{
    auto* button = new QPushButton(glyph, text, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(box);
    button->setIconSize(QSize(18, 18));
    return button;
}

GradientPanel* makePanel(QWidget* window, const char* name, const GradientColours& colours)
{
    auto* panel = new GradientPanel(colours, window);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

// A one-line label keeps its designed box, widened when the font at hand
// draws its text wider than the designed one did.
void widenToText(QLabel* label)
{
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
    label->resize(std::max(label->width(), textWidth), label->height());
}

std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace

TMForm::TMForm(const std::vector<std::string>& parameters, FormServices services)
    : QWidget(nullptr), services_(services), ui_(services.messages)
{
    setObjectName(QStringLiteral("MForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Exportar e importar datos entre Vestrano y GEPA"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(sansSerif(false));
    setColour(this, QPalette::Window, palette().color(QPalette::Button));
    setAutoFillBackground(true);
    buildLayout();
    FormCreate(parameters);
}

TMForm::~TMForm() = default;

void TMForm::buildLayout()
{
    Draw3D2 = makePanel(this, "Draw3D2", kTopHalfColours);
    Label3 = makeLabel(Draw3D2, "Label3", QStringLiteral("Transformar datos desde GEPA hacia Vestrano "),
                       QRect(24, 24, 265, 57), arialBold(), palette().color(QPalette::WindowText));
    Label3->setWordWrap(true);
    BExportar = makeButton(Draw3D2, "BExportar", QStringLiteral("Aceptar"), QRect(88, 72, 89, 25), checkMarkGlyph());

    Draw3D3 = makePanel(this, "Draw3D3", kTopHalfColours);
    Label4 = makeLabel(Draw3D3, "Label4", QStringLiteral("Transformar datos desde Vestrano hacia GEPA"),
                       QRect(8, 24, 305, 57), arialBold(), palette().color(QPalette::WindowText));
    Label4->setWordWrap(true);
    BImportar = makeButton(Draw3D3, "BImportar", QStringLiteral("Aceptar"), QRect(96, 72, 89, 25), checkMarkGlyph());

    Draw3D1 = makePanel(this, "Draw3D1", kBottomBandColours);
    Label1 = makeLabel(Draw3D1, "Label1", QStringLiteral("TransVestranoGEPA para VX20 V-1.0"),
                       QRect(368, 142, 212, 13), sansSerif(true), QColor(Qt::red));
    Label2 = makeLabel(Draw3D1, "Label2", QString(), QRect(70, 20, 0, 13), sansSerif(true), QColor(Qt::red));
    BClose = makeButton(Draw3D1, "BClose", QStringLiteral("&Salir"), QRect(385, 105, 89, 25), doorGlyph());

    Directorios = new FolderList(Draw3D1);
    Directorios->setObjectName(QStringLiteral("Directorios"));
    Directorios->setGeometry(8, 34, kFolderListWidth, 106);
    setColour(Directorios, QPalette::Base, kListBackground);

    Unidades = new DriveList(Draw3D1);
    Unidades->setObjectName(QStringLiteral("Unidades"));
    Unidades->setGeometry(8, 142, 137, 19);
    setColour(Unidades, QPalette::Base, kListBackground);
    setColour(Unidades, QPalette::Button, kListBackground);
    Unidades->setVolumes(mountedVolumeRoots());

    Label5 = makeLabel(Draw3D1, "Label5", QStringLiteral("Carpeta en la que se encuentran los Ficheros TXT de GEPA"),
                       QRect(9, 5, 280, 13), sansSerif(false), QColor(Qt::blue));
    Label6 = makeLabel(Draw3D1, "Label6", QStringLiteral("Ruta Actual:"), QRect(9, 19, 59, 13), sansSerif(false),
                       QColor(Qt::blue));
    for (QLabel* oneLine : {Label1, Label5, Label6})
        widenToText(oneLine);
    for (QLabel* opaque : {Label5, Label6}) {
        setColour(opaque, QPalette::Window, kBottomBandColours.background);
        opaque->setAutoFillBackground(true);
    }
    Button1 = new QPushButton(QStringLiteral("F1 AYUDA"), Draw3D1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(220, 142, 75, 21);

    setTabOrder(BExportar, BImportar);
    setTabOrder(BImportar, BClose);
    setTabOrder(BClose, Directorios);
    setTabOrder(Directorios, Unidades);
    setTabOrder(Unidades, Button1);

    defaultButtons_ = new DefaultButtons(*this, {BExportar, BImportar});
    for (QWidget* control : std::initializer_list<QWidget*>{Directorios, Unidades, BExportar, BImportar, BClose, Button1})
        defaultButtons_->watch(control);

    connect(BExportar, &QPushButton::clicked, this, &TMForm::BExportarClick);
    connect(BImportar, &QPushButton::clicked, this, &TMForm::BImportarClick);
    connect(BClose, &QPushButton::clicked, this, &TMForm::BCloseClick);
    connect(Button1, &QPushButton::clicked, this, &TMForm::Button1Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this,
            [this] { services_.help.showContext(kHelpFile, kHelpContext); });

    connect(Directorios, &FolderList::currentFolderChanged, this, &TMForm::showCurrentFolder);
    connect(Directorios, &FolderList::folderUnreadable, this, [this](const QString& folder) {
        showErrorBox("No se puede abrir la carpeta " + toCp1252(folder));
    });
    connect(Unidades, &DriveList::volumeChosen, this, &TMForm::chooseVolume);
    showCurrentFolder(Directorios->currentFolder());
    placeTopBand();
    BExportar->setFocus();
}

void TMForm::placeTopBand()
{
    Draw3D1->setGeometry(0, kTopBandHeight, kClientWidth, kClientHeight - kTopBandHeight);
    Draw3D2->setGeometry(0, 0, kLeftHalfWidth, kTopBandHeight);
    Draw3D3->setGeometry(kLeftHalfWidth, 0, kClientWidth - kLeftHalfWidth, kTopBandHeight);
    if (mitad_ == MitadVisible::SoloImportar) {
        Draw3D2->hide();
        Draw3D3->setGeometry(0, 0, kClientWidth, kTopBandHeight);
        BImportar->setFocus();
    }
    if (mitad_ == MitadVisible::SoloExportar) {
        Draw3D3->hide();
        Draw3D2->setGeometry(0, 0, kClientWidth, kTopBandHeight);
    }
}

void TMForm::FormCreate(const std::vector<std::string>& parameters)
{
    state_.estadoProceso = 0;
    const LaunchRequest request = readLaunchRequest(parameters);
    if (!request.twoParameters)
        return;
    const std::optional<std::uint32_t> handle = parseWindowHandle(request.handleText);
    if (!handle) {
        showErrorBox("'$" + request.handleText + "' no es un valor entero v\xE1lido");
        return;
    }
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QPoint position(2, 2);
    const bool docked = services_.docking.dock(*this, *handle, position, [this] {
        // The Vestrano window is gone: close (which writes the status) and
        // end the program even if the close was refused.
        if (!close())
            emit programEnds();
    });
    // A handle that names no window: the window stays embedded, frameless
    // at the same place on the screen.
    if (!docked)
        move(position);
    NumParametros = 2;
    state_.embedded = true;
    mitad_ = halfForModeWord(request.modeWord);
    placeTopBand();
}

void TMForm::closeEvent(QCloseEvent* event)
{
    try {
        FormClose();
    } catch (const std::exception& e) {
        services_.messages.showError(QString::fromUtf8(errorBoxText(e.what())));
        event->ignore();
        return;
    }
    event->accept();
    emit programEnds();
}

void TMForm::FormClose()
{
    if (NumParametros != 2)
        return;
    const QString path = QDir(services_.programFolder.path()).absoluteFilePath(QStringLiteral("Vestrano.ini"));
    writeIniValue(QFile::encodeName(path).toStdString(), "Transformadores", "Transformado",
                  std::to_string(state_.estadoProceso));
}

void TMForm::BCloseClick() { close(); }

void TMForm::Button1Click() { services_.help.showContents(kHelpFile); }

void TMForm::BExportarClick()
{
    runGuarded([this] {
        const std::string folder = QFile::encodeName(Directorios->currentFolder()).toStdString();
        endRun(runConversion(folder, services_.store, ui_, state_));
    });
}

void TMForm::BImportarClick()
{
    runGuarded([this] {
        const std::string folder = QFile::encodeName(Directorios->currentFolder()).toStdString();
        endRun(runTimetableExport(folder, services_.store, ui_, state_, services_.clock));
    });
}

void TMForm::endRun(RunEnd end)
{
    if (end == RunEnd::Finished) {
        BExportar->setEnabled(false);
        BImportar->setEnabled(false);
    }
    if (NumParametros == 2)
        close();
}

template <typename Run>
void TMForm::runGuarded(Run run)
{
    // The one place where a run's errors end: the box, and the window goes on.
    try {
        run();
    } catch (const std::exception& e) {
        showErrorBox(e.what());
    }
}

void TMForm::showErrorBox(const std::string& cp1252Text)
{
    services_.messages.showError(QString::fromStdString(cp1252ToUtf8(errorBoxText(cp1252Text))));
}

void TMForm::showCurrentFolder(const QString& folder)
{
    const QFontMetrics metrics(Label2->font());
    const QString shown = elideLeadingFolders(folder, kFolderListWidth,
                                              [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    Label2->setText(shown);
    Label2->resize(metrics.horizontalAdvance(shown), Label2->height());
    Unidades->selectVolumeOf(folder);
}

void TMForm::chooseVolume(const QString& root)
{
    if (Directorios->openFolder(root))
        return;
    showErrorBox("No se puede leer la unidad " + toCp1252(root));
    Unidades->selectVolumeOf(Directorios->currentFolder());
}

}  // namespace tt::app
