#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>
#include <vector>

#include "CommandsTest.h"
#include "ControlsTest.h"
#include "LoadingTest.h"
#include "SharedStoreTest.h"
#include "TestPlayTest.h"

// Runs every suite, or the one named by the first argument; the remaining
// arguments go to Qt Test.
int main(int argc, char** argv) {
    // No test may touch the user's own settings: the stores on disk live in
    // a directory of their own for this run.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);

    std::vector<std::unique_ptr<QObject>> suites;
    suites.push_back(std::make_unique<LoadingTest>());
    suites.push_back(std::make_unique<ControlsTest>());
    suites.push_back(std::make_unique<TestPlayTest>());
    suites.push_back(std::make_unique<CommandsTest>());
    suites.push_back(std::make_unique<SharedStoreTest>());

    const char* only = nullptr;
    QStringList args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (i == 1 && argv[i][0] != '-') {
            only = argv[i];
        } else {
            args << argv[i];
        }
    }
    int status = 0;
    bool ran = false;
    for (const auto& suite : suites) {
        if (!only || std::strcmp(suite->metaObject()->className(), only) == 0) {
            ran = true;
            status |= QTest::qExec(suite.get(), args);
        }
    }
    return ran ? status : 2;
}
