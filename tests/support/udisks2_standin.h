// Runs tests/support/udisks2_standin.py, the tests' udisks2, on a given bus.
#pragma once

#include <signal.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// The stand-in lives as long as the object; on the way out it unmounts what it mounted. The
// description is the JSON the script's header documents; "record" is filled in unless given.
class UDisks2StandIn {
  public:
    UDisks2StandIn(const QString& busAddress, QJsonObject description) {
        if (!description.contains("record")) description["record"] = dir_.filePath("calls.jsonl");
        record_ = description["record"].toString();
        QFile config(dir_.filePath("udisks2.json"));
        if (!dir_.isValid() || !config.open(QIODevice::WriteOnly)) return;
        config.write(QJsonDocument(description).toJson());
        config.close();

        // Debian's interpreter, which has python3-dbus and python3-gi, whatever PATH says.
        process_.setProgram("/usr/bin/python3");
        process_.setArguments(
            {scriptPath(), "--config", config.fileName(), "--address", busAddress});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        QDeadlineTimer deadline(15000);
        while (!process_.canReadLine() && !deadline.hasExpired() &&
               process_.state() != QProcess::NotRunning)
            process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        ready_ = process_.canReadLine() && process_.readLine().trimmed() == "ready";
    }
    ~UDisks2StandIn() {
        resume();
        process_.terminate();
        if (!process_.waitForFinished(10000)) process_.kill();
        process_.waitForFinished(5000);
    }
    UDisks2StandIn(const UDisks2StandIn&) = delete;
    UDisks2StandIn& operator=(const UDisks2StandIn&) = delete;

    // Whether it holds org.freedesktop.UDisks2.
    bool ok() const { return ready_; }

    // The Mount and Unmount calls so far: {"method", "object", "options"} each.
    QList<QJsonObject> calls() const {
        QList<QJsonObject> calls;
        QFile file(record_);
        if (!file.open(QIODevice::ReadOnly)) return calls;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (!line.isEmpty()) calls << QJsonDocument::fromJson(line).object();
        }
        return calls;
    }

    // A hung service: it holds its name and answers nothing until resumed.
    void pause() { sendSignal(SIGSTOP); }
    void resume() { sendSignal(SIGCONT); }

    static QString scriptPath() {
        return qEnvironmentVariable("MP3_TEST_SUPPORT") + "/udisks2_standin.py";
    }

  private:
    void sendSignal(int number) {
        if (process_.state() == QProcess::Running) ::kill(process_.processId(), number);
    }

    QTemporaryDir dir_;
    QString record_;
    QProcess process_;
    bool ready_ = false;
};

}  // namespace testsupport
