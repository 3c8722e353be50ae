// The process-wide set of Qt implementations of the seams.
#include "toolkit/platform.h"

#include "toolkit/qt_dialogs.h"
#include "toolkit/spawn_process_starter.h"

namespace tk {

Platform& Platform::qt() {
    // The implementations hold no state, so one set serves every window for the process's life.
    static QtErrorBox errorBox;
    static QtMessageDialog messageDialog;
    static QtFileDialog fileDialog;
    static QtConfirmation confirmation;
    static SpawnProcessStarter processStarter;
    static Platform platform{&errorBox, &messageDialog, &fileDialog, &confirmation,
                             &processStarter};
    return platform;
}

}  // namespace tk
