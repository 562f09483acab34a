#pragma once
// The folder of the program file, where Vestrano.ini and the help file lie.
#include <QString>

namespace tt::app {

class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() const = 0;
};

// The folder of the running executable.
class ExecutableFolder : public ProgramFolder {
public:
    QString path() const override;
};

}  // namespace tt::app
