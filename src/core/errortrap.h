#pragma once

#include <QString>
#include <cstdio>
#include <exception>

class Dialogs;

// The common error report: the text it shows, and showing it.
QString errorReportText(const QString& description, const QString& location, int line);
void ReportError(Dialogs& dialogs, const QString& description, const QString& location, int line);

// The guard of one run of a handler whose lines are numbered 100, 102, 104, ... in the order they
// stand (lines that do no work take a number too, hence the gaps): a failing step is reported with
// its line number and the handler goes on with the next step.
class ErrorTrap {
public:
    // windowAndHandler as the window's name, a dot and the handler's name.
    ErrorTrap(Dialogs& dialogs, const QString& windowAndHandler);

    // Runs one step; false when it failed (and was reported).
    template <typename Step> bool step(int line, Step&& work) {
        line_ = line;
        try {
            work();
            return true;
        } catch (const std::exception& failure) {
            report(QString::fromUtf8(failure.what()));
        } catch (...) {
            reportUnknown();
        }
        return false;
    }

    // Runs the test of a condition. A test whose evaluation throws is reported and counts as true,
    // so the steps it guards still run.
    template <typename Test> bool test(int line, Test&& condition) {
        bool passed = true;
        step(line, [&] { passed = condition(); });
        return passed;
    }

private:
    void report(const QString& description);
    void reportUnknown();

    Dialogs& dialogs_;
    QString location_;
    int line_ = 0;
};

// The edge of a handler without a guard: a failure is written to stderr and goes no further.
template <typename Work> void runUnguarded(const char* handler, Work&& work) noexcept {
    try {
        work();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "chromaflick: %s: %s\n", handler, failure.what());
    } catch (...) {
        std::fprintf(stderr, "chromaflick: %s: unknown failure\n", handler);
    }
}
