// Outside programs that tests use as readers (wmf2svg, pdfinfo, pdftotext),
// run to their end with what they wrote, so that a failing tool's own error
// output goes into the test's message.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

namespace vesk::test {

struct ToolRun {
    QString program;
    int exitCode = -1;  // -1 when the program did not start or did not finish in time
    QByteArray out, errors;
    QString failure;  // why it did not run to its end, else empty

    bool ok() const { return exitCode == 0; }
    // For a test's message: the program, how it ended and its error output.
    std::string report() const
    {
        const QString how = failure.isEmpty() ? QStringLiteral("exited with %1").arg(exitCode) : failure;
        return (program + ' ' + how + ":\n" + QString::fromLocal8Bit(errors)).toStdString();
    }
};

inline ToolRun RunTool(const QString& program, const QStringList& args, int msecs = 30000)
{
    ToolRun run;
    run.program = program;
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(msecs)) {
        run.failure = p.errorString();
        p.kill();
        p.waitForFinished(1000);
    } else if (p.exitStatus() != QProcess::NormalExit) {
        run.failure = QStringLiteral("crashed");
    } else {
        run.exitCode = p.exitCode();
    }
    run.out = p.readAllStandardOutput();
    run.errors = p.readAllStandardError();
    return run;
}

}  // namespace vesk::test
