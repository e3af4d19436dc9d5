#include "mainwindow/applicationmodes.h"

#include "core/sharedconstants.h"

namespace ApplicationModes
{

std::optional<PossibleModes> modeAfterInput(PossibleModes current, const QString &text)
{
    const QByteArray typed = text.toUtf8();
    const bool level1 = typed == SharedConstants::administratorCodeMode1();
    const bool level2 = typed == SharedConstants::administratorCodeMode2();
    switch (current) {
    case ModeOperator:
        if (level1)
            return ModeAdministrator;
        if (level2)
            return ModeAdministratorFull;
        return std::nullopt;
    case ModeAdministrator:
        return level2 ? ModeAdministratorFull : ModeOperator;
    case ModeAdministratorFull:
        return level1 ? ModeAdministrator : ModeOperator;
    }
    return ModeOperator;
}

} // namespace ApplicationModes
