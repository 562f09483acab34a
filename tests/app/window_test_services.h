#pragma once
// Stand-ins for what the window needs from outside, for tests: message
// boxes and help requests that are recorded, a docking that docks nothing,
// a program folder and a clock fixed by the test.
#include "app/help_requests.h"
#include "app/message_boxes.h"
#include "app/program_folder.h"
#include "app/window_docking.h"
#include "timetable/timetable_export.h"

#include <QApplication>
#include <QStringList>

#include <functional>
#include <optional>

namespace tt::app::testing {

// Each box as "info: text" or "error: text", with " [busy]" added when the
// hourglass was on while it showed.
class RecordingMessageBoxes : public MessageBoxes {
public:
    QStringList shown;
    // Runs while a box is "open", as a user acting in its modal loop would.
    std::function<void()> whileOpen;

    void showInformation(const QString& text) override { record(QStringLiteral("info: "), text); }
    void showError(const QString& text) override { record(QStringLiteral("error: "), text); }

private:
    void record(const QString& kind, const QString& text)
    {
        const bool busy = QApplication::overrideCursor() != nullptr;
        shown << kind + text + (busy ? QStringLiteral(" [busy]") : QString());
        if (whileOpen)
            whileOpen();
    }
};

class RecordingHelp : public HelpRequests {
public:
    QStringList requests;
    void showContents(const std::string& file) override
    {
        requests << QStringLiteral("contents %1").arg(QString::fromStdString(file));
    }
    void showContext(const std::string& file, int context) override
    {
        requests << QStringLiteral("context %1 %2").arg(QString::fromStdString(file)).arg(context);
    }
};

// Records the docking asked for; docks when `windowExists`.
class FakeDocking : public WindowDocking {
public:
    bool windowExists = true;
    std::optional<std::uint32_t> handle;
    QPoint position;
    std::function<void()> parentGone;

    bool dock(QWidget&, std::uint32_t asked, QPoint at, std::function<void()> gone) override
    {
        handle = asked;
        position = at;
        parentGone = std::move(gone);
        return windowExists;
    }
};

class FixedProgramFolder : public ProgramFolder {
public:
    explicit FixedProgramFolder(QString folder) : folder_(std::move(folder)) {}
    QString path() const override { return folder_; }

private:
    QString folder_;
};

// 11 December 2024, 08:30.
class FixedClock : public Clock {
public:
    std::tm localNow() const override
    {
        std::tm at{};
        at.tm_year = 124;
        at.tm_mon = 11;
        at.tm_mday = 11;
        at.tm_hour = 8;
        at.tm_min = 30;
        return at;
    }
};

}  // namespace tt::app::testing
