// A private message bus (dbus-daemon) run by a test, to stand in for the system bus.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// The daemon lives as long as the object. Its configuration lets anyone own any name and has no
// services to start on demand, so a name nobody holds fails at once.
class PrivateBus {
  public:
    PrivateBus() {
        QFile config(dir_.filePath("bus.conf"));
        if (!dir_.isValid() || !config.open(QIODevice::WriteOnly)) return;
        config.write(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>session</type>\n"
            "  <listen>unix:dir=" +
            QFile::encodeName(dir_.path()) +
            "</listen>\n"
            "  <policy context=\"default\">\n"
            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
            "    <allow eavesdrop=\"true\"/>\n"
            "    <allow own=\"*\"/>\n"
            "  </policy>\n"
            "</busconfig>\n");
        config.close();
        daemon_.setProgram("dbus-daemon");
        daemon_.setArguments(
            {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        // It complains on stderr when it may not raise its file limit; nothing a test needs.
        daemon_.setStandardErrorFile(QProcess::nullDevice());
        daemon_.start();
        QDeadlineTimer deadline(10000);
        while (!daemon_.canReadLine() && !deadline.hasExpired() &&
               daemon_.state() != QProcess::NotRunning)
            daemon_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        if (daemon_.canReadLine()) address_ = QString::fromUtf8(daemon_.readLine().trimmed());
    }
    ~PrivateBus() {
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000)) daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool ok() const { return !address_.isEmpty(); }
    const QString& address() const { return address_; }

    // Points QDBusConnection::systemBus() here. Qt connects to the system bus once per process,
    // so this must come before the process's first use of it.
    void becomeSystemBus() const { qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8()); }

  private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
};

}  // namespace testsupport
