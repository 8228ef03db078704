#include "regshell/ProgramIcon.h"

// The static library does not register its resources on its own.
static void registerProgramIcon() {
    Q_INIT_RESOURCE(icons);
}

namespace regshell {

QIcon programIcon() {
    static const bool registered = [] {
        registerProgramIcon();
        return true;
    }();
    (void)registered;
    return QIcon(QStringLiteral(":/icons/tessaly.svg"));
}

} // namespace regshell
