// The process-wide set of Qt implementations of the seams.
#include "toolkit/platform.h"

#include "toolkit/desktop_services.h"
#include "toolkit/disc_wait.h"
#include "toolkit/qt_dialogs.h"
#include "toolkit/spawn_process_starter.h"
#include "toolkit/udisks2_service.h"

namespace tk {

Platform& Platform::qt() {
    // The implementations hold no state (the disk service reaches the bus at its first question,
    // not here), so one set serves every window for the process's life.
    static QtErrorBox errorBox;
    static QtMessageDialog messageDialog;
    static QtFileDialog fileDialog;
    static QtConfirmation confirmation;
    static SpawnProcessStarter processStarter;
    static UDisks2Service diskService;
    static QtDefaultApplication defaultApplication;
    static QtDiscWait discWait;
    static Platform platform{&errorBox,       &messageDialog, &fileDialog,         &confirmation,
                             &processStarter, &diskService,   &defaultApplication, &discWait};
    return platform;
}

}  // namespace tk
