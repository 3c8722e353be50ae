// The main window as the window tests start it.
#pragma once

#include <QString>
#include <QTest>
#include <memory>

#include "support/fakes.h"
#include "support/windows.h"
#include "windows/mp3_searcher.h"

namespace wintest {

// Made with the start-up dialog answered with `listFile`, then shown until its first activation
// has run, as the program starts it. A window that never becomes active fails the test.
inline void startMainWindow(std::unique_ptr<TForm1>& form, tk::fakes::FakePlatform& fake,
                            const QString& listFile) {
    fake.fileDialog.answer(listFile);
    form = std::make_unique<TForm1>(fake);
    form->present();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    settle();
}

}  // namespace wintest
